#pragma once
// Where the operator's files went: the folder named in full, and offered to
// open in the file manager.
#include <QString>
#include <filesystem>

#include "ui/kit/AppContext.h"

class QWidget;

// "\r\ndans le dossier : <folder>", to follow the line naming a written file.
QString InFolderLine(const std::filesystem::path& folder);

// Shows `text` with an "Ouvrir le dossier" button that opens the program's folder.
void InformOfferingFolder(AppContext& context, QWidget* parent, const QString& text);

// Opens `folder` in the file manager, or says it could not.
void OpenFolder(AppContext& context, QWidget* parent, const std::filesystem::path& folder);
