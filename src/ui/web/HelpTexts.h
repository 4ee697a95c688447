#pragma once
// The texts of the About and history boxes.
#include <QString>
#include <filesystem>

// The program and its revision, its author, where its department map comes
// from and the folder that holds the operator's files.
QString AboutText(const QString& revision, const std::filesystem::path& filesFolder);

// One line per revision, each closed by CR LF.
QString HistoryText();
