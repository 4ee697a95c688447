// Pictures of the real windows for the operator's guide:
//   kmb_screenshots SAMPLE_KMB.log FOLDER
// opens the sample log in a folder and settings of its own, walks the
// windows the guide describes and saves each as FOLDER/<name>.png.
// scripts/screenshots.sh runs it under Xvfb.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListView>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <cstdlib>
#include <functional>

#include "app/MainWindow.h"

namespace {

using namespace settings_keys;

// Any message box would stop the walk: the sample log must give none.
class FailingMessenger final : public Messenger {
 public:
  void inform(QWidget*, const QString& text) override { fail(text); }
  bool ask(QWidget*, const QString& text) override {
    fail(text);
    return false;
  }
  bool informWithAction(QWidget*, const QString& text, const QString&) override {
    fail(text);
    return false;
  }

 private:
  static void fail(const QString& text) {
    std::fprintf(stderr, "kmb_screenshots : message inattendu : %s\n", qPrintable(text));
    std::exit(1);
  }
};

// The same moment on every run, so that pictures change only with the windows.
class FixedClock final : public kmb::Clock {
 public:
  kmb::ClockReading utcNow() const override { return {2026, 4, 11, 18, 20, 0}; }
  kmb::ClockReading localNow() const override { return {2026, 4, 11, 20, 20, 0}; }
};

class NoPrinter final : public PrinterChooser {
 public:
  bool choose(QPrinter&, QWidget*) override { return false; }
};

class NoFileManager final : public FolderOpener {
 public:
  bool open(const std::filesystem::path&) override { return false; }
};

[[noreturn]] void Fail(const QString& what) {
  std::fprintf(stderr, "kmb_screenshots : %s\n", qPrintable(what));
  std::exit(1);
}

// Every line of a log is 107 columns followed by CR LF.
void CheckSampleLog(const QByteArray& log) {
  if (log.isEmpty()) Fail(QStringLiteral("le log d'exemple est vide"));
  int number = 0;
  for (qsizetype at = 0; at < log.size(); at += 109) {
    ++number;
    if (log.indexOf("\r\n", at) != at + 107 || log.mid(at, 107).contains('\n'))
      Fail(QStringLiteral("ligne %1 du log d'exemple : 107 colonnes et CR LF attendus").arg(number));
  }
}

class Photographer {
 public:
  Photographer(MainWindow& main, QString folder) : main_(main), folder_(std::move(folder)) {}

  void shoot(QWidget& window, const char* name) const {
    settle();
    const QString path = QStringLiteral("%1/%2.png").arg(folder_, QString::fromLatin1(name));
    // Quality 0: the smallest PNG, the pictures are committed.
    if (!window.grab().save(path, "PNG", 0)) Fail(QStringLiteral("impossible d'écrire ") + path);
    std::printf("%s\n", qPrintable(path));
  }

  // Opens a window by its menu item or button, pictures it and closes it.
  void shootCommand(const char* command, const char* window, const char* name,
                    const std::function<void(QWidget&)>& prepare = {}) const {
    if (auto* action = main_.findChild<QAction*>(QString::fromLatin1(command)))
      action->trigger();
    else
      find<QPushButton>(main_, command).click();
    QWidget& shown = topLevel(window);
    settle();
    if (prepare) prepare(shown);
    shoot(shown, name);
    shown.close();
    settle();
  }

  template <typename W>
  static W& find(QWidget& in, const char* name) {
    W* widget = in.findChild<W*>(QString::fromLatin1(name));
    if (!widget) Fail(QStringLiteral("pas de contrôle ") + QString::fromLatin1(name));
    return *widget;
  }

  static void typeAndEnter(QWidget& main, const char* field, const QString& text) {
    QWidget& control = find<QWidget>(main, field);
    QTest::keyClicks(&control, text);
    QTest::keyClick(&control, Qt::Key_Return);
  }

  static void settle() {
    for (int i = 0; i < 5; ++i) {
      QApplication::processEvents();
      QTest::qWait(60);
    }
  }

 private:
  static QWidget& topLevel(const char* name) {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (w->objectName() == QLatin1String(name) && w->isVisible()) return *w;
    Fail(QStringLiteral("fenêtre absente : ") + QString::fromLatin1(name));
  }

  MainWindow& main_;
  QString folder_;
};

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("ORX_KMB"));
  if (argc != 3) Fail(QStringLiteral("usage : kmb_screenshots LOG_EXEMPLE_KMB.log DOSSIER"));

  const QFileInfo sample(QString::fromLocal8Bit(argv[1]));
  if (!sample.fileName().endsWith(QStringLiteral("_KMB.log")))
    Fail(QStringLiteral("le log doit s'appeler <indicatif>_KMB.log"));
  const QString call = sample.fileName().chopped(8);
  QFile in(sample.filePath());
  if (!in.open(QIODevice::ReadOnly)) Fail(QStringLiteral("impossible de lire ") + sample.filePath());
  const QByteArray log = in.readAll();
  CheckSampleLog(log);

  QTemporaryDir dir;
  const QString folder = dir.filePath(QStringLiteral("programme"));
  QDir().mkpath(folder);
  QFile out(folder + QLatin1Char('/') + sample.fileName());
  if (!out.open(QIODevice::WriteOnly) || out.write(log) != log.size()) Fail(QStringLiteral("dossier temporaire"));
  out.close();
  const QString images = QString::fromLocal8Bit(argv[2]);
  QDir().mkpath(images);

  kmb::DiskFileSystem files;
  FailingMessenger messages;
  SettingsStore settings(dir.filePath(QStringLiteral("KMB.ini")));
  settings.write(kSetup, kIndicatifStation, call);
  settings.write(SettingsStore::stationSection(call), kBandeUtilisee, QStringLiteral("4"));
  FixedClock clock;
  NoPrinter printers;
  NoFileManager folders;
  AppContext context{folder.toStdString(), files, messages, settings, clock, printers, folders};

  MainWindow main(context);
  main.start();
  main.activateWindow();
  Photographer camera(main, images);
  camera.shoot(main, "fenetre-principale");

  // A QSO half typed: the date and time came from the clock, Mode waits.
  Photographer::typeAndEnter(main, "Ind_A", QStringLiteral("f5xyz"));
  Photographer::typeAndEnter(main, "Prenom_A", QStringLiteral("paul"));
  Photographer::typeAndEnter(main, "Dpt_A", QStringLiteral("21"));
  Photographer::typeAndEnter(main, "Ref_A", QStringLiteral("21052"));
  camera.shoot(main, "saisie-qso");
  Photographer::find<QPushButton>(main, "Efface_A").click();

  // A QSO opened for correction by a double click.
  auto& list = Photographer::find<QListView>(main, "Liste_KMB");
  const QPoint row = list.visualRect(list.model()->index(list.model()->rowCount() - 3, 0)).center();
  QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, row);
  QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, row);
  camera.shoot(main, "modification-qso");
  Photographer::find<QPushButton>(main, "Efface_A").click();

  camera.shootCommand("Mnu_Score", "Score_KMB", "scores");
  camera.shootCommand("Mnu_KMB_HF", "Diplomes", "diplome-hf");
  camera.shootCommand("Mnu_Carte_Acti_KMB", "Carte_Acti_KMB", "carte");
  camera.shootCommand("Mnu_L_Contacte", "Aff_Contacte", "liste-lavoirs",
                      [](QWidget& w) { Photographer::find<QPushButton>(w, "Afficher").click(); });
  camera.shootCommand("Mnu_Non_Recue", "Multi_QSL", "qsl-non-recues",
                      [](QWidget& w) { Photographer::typeAndEnter(w, "Indicatif", QStringLiteral("f4hkl")); });
  camera.shootCommand("Mnu_QSL_Recues", "QSL_Recues", "qsl-recues", [](QWidget& w) {
    Photographer::typeAndEnter(w, "Indicatif", QStringLiteral("f4hkl"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
  });
  camera.shootCommand("Rechercher", "Recherche_Indicatif", "recherche",
                      [](QWidget& w) { Photographer::typeAndEnter(w, "Indica", QStringLiteral("f4glm")); });
  camera.shootCommand("Mnu_New_Indicatif", "Station", "station");
  camera.shootCommand("Mnu_Preferences", "Preferences", "preferences", [](QWidget& w) {
    QTest::keyClicks(&Photographer::find<QWidget>(w, "Site_KMB"), QStringLiteral("https://kmb.exemple.fr"));
    QTest::keyClicks(&Photographer::find<QWidget>(w, "Site_Cluster"), QStringLiteral("ftp://cluster.exemple.fr"));
  });
  return 0;
}
