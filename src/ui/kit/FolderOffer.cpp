#include "ui/kit/FolderOffer.h"

namespace {

QString Shown(const std::filesystem::path& folder) { return QString::fromStdString(folder.string()); }

}  // namespace

QString InFolderLine(const std::filesystem::path& folder) {
  return QStringLiteral("\r\ndans le dossier : ") + Shown(folder);
}

void InformOfferingFolder(AppContext& context, QWidget* parent, const QString& text) {
  if (context.messages.informWithAction(parent, text, QStringLiteral("Ouvrir le dossier")))
    OpenFolder(context, parent, context.programFolder);
}

void OpenFolder(AppContext& context, QWidget* parent, const std::filesystem::path& folder) {
  if (context.folders.open(folder)) return;
  context.messages.inform(parent, QStringLiteral("Le dossier %1 n'a pas pu être ouvert : aucun gestionnaire de "
                                                 "fichiers n'a répondu. Ouvrez-le à la main.")
                                      .arg(Shown(folder)));
}
