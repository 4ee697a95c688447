#include <QApplication>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>
#include <string>

#include "app/MainWindow.h"
#include "core/app/ProgramFolder.h"
#include "ui/kit/AppContext.h"
#include "ui/web/WebLanguage.h"

namespace {

kmb::FolderFacts GatherFolderFacts(kmb::FileSystem& files) {
  kmb::FolderFacts facts;
  facts.executableFolder = QApplication::applicationDirPath().toStdString();
  facts.installed = files.exists(facts.executableFolder / KMB_INSTALL_MARKER);
  facts.executableFolderWritable = !files.checkWritable(facts.executableFolder);
  facts.userDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
  facts.executableFolderFiles = files.fileNames(facts.executableFolder);
  if (!facts.userDataFolder.empty()) facts.userDataFiles = files.fileNames(facts.userDataFolder);
  return facts;
}

// Chooses the folder, brings over the logs an older start left beside an
// installed executable, and tells the operator what was done.
std::filesystem::path SettleOperatorFilesFolder(kmb::FileSystem& files, Messenger& messages) {
  const kmb::FolderFacts facts = GatherFolderFacts(files);
  const kmb::FolderChoice choice = kmb::ChooseProgramFolder(facts);
  std::string notice;
  if (choice.readOnly) {
    notice = kmb::ReadOnlyFolderNotice(choice.folder);
  } else {
    if (const kmb::IoStatus error = files.createFolder(choice.folder))
      notice = "Le dossier du programme ne peut pas être créé.\r\n" + kmb::IoErrorMessage(*error);
    else
      notice = kmb::CopyOldFiles(files, facts.executableFolder, choice);
  }
  if (!notice.empty()) messages.inform(nullptr, QString::fromStdString(notice));
  return choice.folder;
}

}  // namespace

int main(int argc, char* argv[]) {
  // The web views share their GL context with the windows; this must precede the application.
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  SpeakFrenchOnTheWeb();
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ORX_KMB"));
  QApplication::setWindowIcon(QIcon(QStringLiteral(":/orx_kmb.svg")));

  // Qt's own dialogs (printer choice, buttons) speak French.
  QTranslator qtFrench;
  if (qtFrench.load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&qtFrench);

  kmb::DiskFileSystem files;
  BoxMessenger messages;
  SettingsStore settings;
  kmb::SystemClock clock;
  DialogPrinterChooser printers;
  DesktopFolderOpener folders;
  AppContext context{SettleOperatorFilesFolder(files, messages), files, messages, settings, clock, printers, folders};

  MainWindow window(context);
  if (!window.start()) return 1;
  return QApplication::exec();
}
