#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/AppContext.h"
#include "app/MainWindow.h"

int main(int argc, char* argv[]) {
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
  AppContext context{QApplication::applicationDirPath().toStdString(), files, messages, settings, clock, printers};

  MainWindow window(context);
  window.start();
  return QApplication::exec();
}
