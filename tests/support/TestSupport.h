#pragma once
// What window tests share: a temporary program folder and settings store,
// a messenger that records and answers, a clock that tests set, a printer
// choice that prints to a PDF file, and the main window as a secondary
// window sees it.
#include <QtTest>
#include <QtWidgets>
#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/log/LogLine.h"
#include "ui/kit/AppContext.h"
#include "ui/kit/LogbookView.h"

using namespace Qt::StringLiterals;

class ScriptedMessenger final : public Messenger {
 public:
  void inform(QWidget* parent, const QString& text) override;
  bool ask(QWidget* parent, const QString& text) override;
  // Records the text; the extra button is chosen while `chooseAction` is true.
  bool informWithAction(QWidget* parent, const QString& text, const QString& actionCaption) override;

  // Answers for the next questions, in order; a question with no answer
  // left is answered No and recorded as unexpected.
  void answer(std::initializer_list<bool> answers) { answers_.insert(answers_.end(), answers); }

  QStringList shown;                           // every text shown, messages and questions
  std::function<void(const QString&)> onShow;  // runs while a text is shown
  int unexpectedQuestions = 0;
  bool chooseAction = false;
  QString last() const { return shown.isEmpty() ? QString() : shown.last(); }
  void clear() { shown.clear(); }

 private:
  std::deque<bool> answers_;
};

class FixedClock final : public kmb::Clock {
 public:
  kmb::ClockReading utc{2026, 12, 5, 9, 7, 3};
  kmb::ClockReading local{2026, 12, 5, 10, 7, 3};
  kmb::ClockReading utcNow() const override { return utc; }
  kmb::ClockReading localNow() const override { return local; }
};

// Prints into a PDF file instead of asking; `accept` false cancels.
class PdfPrinterChooser final : public PrinterChooser {
 public:
  bool choose(QPrinter& printer, QWidget* parent) override;
  QString pdfPath;
  bool accept = true;
  int asked = 0;
};

// Records the folders it is asked to open; `opens` false plays a desktop without a file manager.
class RecordingFolderOpener final : public FolderOpener {
 public:
  bool open(const std::filesystem::path& folder) override {
    opened.push_back(folder);
    return opens;
  }
  std::vector<std::filesystem::path> opened;
  bool opens = true;
};

// A program folder and settings store of the test's own.
struct TestEnvironment {
  TestEnvironment();

  std::filesystem::path folder() const { return std::filesystem::path(dir.path().toStdString()) / "programme"; }
  std::filesystem::path file(const std::string& name) const { return folder() / name; }
  void writeFile(const std::string& name, const QByteArray& bytes) const;
  QByteArray readFile(const std::string& name) const;
  bool exists(const std::string& name) const { return std::filesystem::exists(file(name)); }
  bool hasTemporaryFiles() const;

  QTemporaryDir dir;
  kmb::DiskFileSystem files;
  ScriptedMessenger messages;
  std::unique_ptr<SettingsStore> settings;
  FixedClock clock;
  PdfPrinterChooser printers;
  RecordingFolderOpener folders;
  AppContext context;
};

// The main window as a secondary window sees it: a station, the lines of the
// list, and the rows the window selected.
class FakeLogbook final : public LogbookView {
 public:
  explicit FakeLogbook(std::string call = "F4ABC") : call_(std::move(call)) {}
  std::string stationCall() const override { return call_; }
  const kmb::Lines& listedLines() const override { return lines; }
  void selectListRow(int index) override { selected.push_back(index); }
  void addLine(const QByteArray& logLine) { lines.push_back(logLine.toStdString()); }

  kmb::Lines lines;
  std::vector<int> selected;

 private:
  std::string call_;
};

// One 107-column log line from its fields; QSL "*" when `qsl`.
QByteArray LogLine(const std::string& call, const std::string& dpt, const std::string& ref,
                   const std::string& date = "05/12/26", const std::string& time = "09:07",
                   const std::string& band = "14 Mhz", bool qsl = false, const std::string& name = "",
                   const std::string& prenom = "", const std::string& mode = "SSB");
// Lines joined with CR LF after each.
QByteArray LogBytes(std::initializer_list<QByteArray> lines);

template <typename W>
W* Find(QWidget& window, const QString& name) {
  W* widget = window.findChild<W*>(name);
  if (!widget) qFatal("missing widget %s", qPrintable(name));
  return widget;
}
// The visible top-level windows of that object name.
QList<QWidget*> TopLevels(const QString& name);
// Every character as wide as any other, whatever the font says of itself.
bool IsMonospaced(const QFont& font);
// Shows a window and lets it do what it does once on screen (read the log).
void ShowAndSettle(QWidget& window);
// No two controls of a window answer the same Alt letter: its buttons, labels of a field and menu titles.
void CheckMnemonics(QWidget& window);
// Runs `act` on the next modal window of that class or name, as soon as it shows.
void WhenShown(const char* name, std::function<void(QWidget&)> act);
// Types every character as one key, letters outside Latin-1 and emoji too.
void TypeKeys(QWidget& widget, const QString& text);

// The PDF readers of poppler-utils, which the printing tests need.
bool HasPdfTools();
// The printed lines that hold text, blanks collapsed; the fonts the file uses.
QStringList PrintedLines(const QString& pdf);
QString PdfFonts(const QString& pdf);
