#include "ui/kit/FolderOpener.h"

#include <QDesktopServices>
#include <QUrl>

bool DesktopFolderOpener::open(const std::filesystem::path& folder) {
  return QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(folder.string())));
}
