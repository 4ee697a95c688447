#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>
#include <string>
#include <vector>

#include "app/MainWindow.h"
#include "core/app/ProgramFolder.h"
#include "ui/kit/AppContext.h"
#include "ui/web/WebLanguage.h"

namespace {

namespace fs = std::filesystem;

// Names of the regular files of a folder; symbolic links are left out so
// that no copy reaches outside it.
std::vector<std::string> RegularFiles(const fs::path& folder) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    if (it->symlink_status(ec).type() == fs::file_type::regular) names.push_back(it->path().filename().string());
  return names;
}

kmb::FolderFacts GatherFolderFacts(kmb::FileSystem& files) {
  kmb::FolderFacts facts;
  facts.executableFolder = QApplication::applicationDirPath().toStdString();
  std::error_code ec;
  facts.installed = fs::exists(facts.executableFolder / KMB_INSTALL_MARKER, ec);
  facts.executableFolderWritable = !files.checkWritable(facts.executableFolder);
  facts.userDataFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString();
  facts.executableFolderFiles = RegularFiles(facts.executableFolder);
  if (!facts.userDataFolder.empty()) facts.userDataFiles = RegularFiles(facts.userDataFolder);
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
    QDir().mkpath(QString::fromStdString(choice.folder.string()));
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
  AppContext context{SettleOperatorFilesFolder(files, messages), files, messages, settings, clock, printers};

  MainWindow window(context);
  window.start();
  return QApplication::exec();
}
