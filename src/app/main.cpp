#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

#include "app/AppContext.h"
#include "app/MainWindow.h"
#include "app/ProgramFolder.h"
#include "web/WebLanguage.h"

namespace {

std::filesystem::path OperatorFilesFolder() {
  const QString executableFolder = QApplication::applicationDirPath();
  const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
  const auto chosen = kmb::ChooseProgramFolder(executableFolder.toStdString(),
                                               QFileInfo(executableFolder).isWritable(), userFolder.toStdString());
  QDir().mkpath(QString::fromStdString(chosen.string()));
  return chosen;
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
  AppContext context{OperatorFilesFolder(), files, messages, settings, clock, printers};

  MainWindow window(context);
  window.start();
  return QApplication::exec();
}
