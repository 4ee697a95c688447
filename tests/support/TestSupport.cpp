#include "support/TestSupport.h"

#include <QPrinter>
#include <algorithm>

void ScriptedMessenger::inform(QWidget*, const QString& text) {
  shown << text;
  if (onShow) onShow(text);
}

bool ScriptedMessenger::ask(QWidget*, const QString& text) {
  shown << text;
  if (answers_.empty()) {
    ++unexpectedQuestions;
    return false;
  }
  const bool answer = answers_.front();
  answers_.pop_front();
  return answer;
}

bool ScriptedMessenger::informWithAction(QWidget* parent, const QString& text, const QString&) {
  inform(parent, text);
  return chooseAction;
}

bool PdfPrinterChooser::choose(QPrinter& printer, QWidget*) {
  ++asked;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(pdfPath);
  return accept;
}

TestEnvironment::TestEnvironment()
    : settings(std::make_unique<SettingsStore>(dir.filePath(u"settings/KMB.ini"_s))), context{folder(), files,
                                                                                              messages, *settings,
                                                                                              clock,    printers,
                                                                                              folders} {
  std::filesystem::create_directories(folder());
  printers.pdfPath = dir.filePath(u"sortie.pdf"_s);
}

void TestEnvironment::writeFile(const std::string& name, const QByteArray& bytes) const {
  std::filesystem::create_directories(folder());
  QFile f(QString::fromStdString(file(name).string()));
  if (!f.open(QIODevice::WriteOnly)) qFatal("cannot write test file");
  f.write(bytes);
}

bool TestEnvironment::hasTemporaryFiles() const {
  kmb::DiskFileSystem disk;
  const auto names = disk.fileNames(folder());
  return std::any_of(names.begin(), names.end(), [](const std::string& n) { return kmb::IsTemporaryFileName(n); });
}

QByteArray TestEnvironment::readFile(const std::string& name) const {
  QFile f(QString::fromStdString(file(name).string()));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

QByteArray LogLine(const std::string& call, const std::string& dpt, const std::string& ref, const std::string& date,
                   const std::string& time, const std::string& band, bool qsl, const std::string& name,
                   const std::string& prenom, const std::string& mode) {
  return QByteArray::fromStdString(
      kmb::FormatLogLine({call, dpt, prenom, ref, date, time, mode, band, "59", "59", name, qsl}));
}

QByteArray LogBytes(std::initializer_list<QByteArray> lines) {
  QByteArray out;
  for (const QByteArray& line : lines) out += line + "\r\n";
  return out;
}

QList<QWidget*> TopLevels(const QString& name) {
  QList<QWidget*> found;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (w->objectName() == name && w->isVisible()) found << w;
  return found;
}

bool IsMonospaced(const QFont& font) {
  const QFontMetrics metrics(font);
  const int narrow = metrics.horizontalAdvance(u"iiiiiiii"_s);
  return narrow == metrics.horizontalAdvance(u"WWWWWWWW"_s) && narrow == metrics.horizontalAdvance(u"        "_s);
}

void ShowAndSettle(QWidget& window) {
  window.show();
  QCoreApplication::processEvents();
}

void CheckMnemonics(QWidget& window) {
  QStringList texts, keys;
  for (QAbstractButton* button : window.findChildren<QAbstractButton*>()) texts << button->text();
  for (QLabel* label : window.findChildren<QLabel*>()) texts << (label->buddy() ? label->text() : QString());
  for (QMenuBar* bar : window.findChildren<QMenuBar*>())
    for (QAction* menu : bar->actions()) texts << menu->text();
  for (const QString& text : texts) keys << QKeySequence::mnemonic(text).toString();
  keys.removeAll(QString());
  QVERIFY2(QSet<QString>(keys.begin(), keys.end()).size() == keys.size(),
           qPrintable(window.objectName() + u": "_s + keys.join(u' ')));
}

void WhenShown(const char* name, std::function<void(QWidget&)> act) {
  auto* poll = new QTimer;
  QObject::connect(poll, &QTimer::timeout, [poll, name, act] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal || (!modal->inherits(name) && modal->objectName() != QLatin1String(name))) return;
    poll->deleteLater();
    QApplication::setActiveWindow(modal);
    act(*modal);
  });
  poll->start(10);
}

void TypeKeys(QWidget& widget, const QString& text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const qsizetype width = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    QTest::sendKeyEvent(QTest::Click, &widget, Qt::Key_unknown, text.mid(i, width), Qt::NoModifier);
    i += width - 1;
  }
}

namespace {

QString RunTool(const char* tool, const QStringList& arguments) {
  QProcess process;
  process.start(QString::fromLatin1(tool), arguments);
  process.waitForFinished(30000);
  return QString::fromUtf8(process.readAllStandardOutput());
}

}  // namespace

bool HasPdfTools() {
  return !QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty() &&
         !QStandardPaths::findExecutable(u"pdffonts"_s).isEmpty();
}

QStringList PrintedLines(const QString& pdf) {
  QStringList lines;
  for (QString line : RunTool("pdftotext", {u"-layout"_s, pdf, u"-"_s}).split(u'\n')) {
    line = line.remove(QLatin1Char('\f')).simplified();
    if (!line.isEmpty()) lines << line;
  }
  return lines;
}

QString PdfFonts(const QString& pdf) { return RunTool("pdffonts", {pdf}); }
