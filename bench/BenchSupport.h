#pragma once
// Seams that stay quiet while a benchmark runs.
#include <QTemporaryDir>

#include "core/log/LogFile.h"
#include "ui/kit/AppContext.h"

class SilentMessenger final : public Messenger {
 public:
  void inform(QWidget*, const QString&) override {}
  bool ask(QWidget*, const QString&) override { return answer; }
  bool informWithAction(QWidget*, const QString&, const QString&) override { return false; }

  bool answer = false;  // to every question
};

class NoPrinter final : public PrinterChooser {
 public:
  bool choose(QPrinter&, QWidget*) override { return false; }
};

class NoFileManager final : public FolderOpener {
 public:
  bool open(const std::filesystem::path&) override { return false; }
};

// A program folder of its own with the seams the windows use.
struct BenchFolder {
  BenchFolder();
  void writeLog(const std::string& call, const kmb::Lines& lines);

  QTemporaryDir dir;
  kmb::DiskFileSystem files;
  SilentMessenger messages;
  SettingsStore settings;
  kmb::SystemClock clock;
  NoPrinter printers;
  NoFileManager folders;
  AppContext context;
  std::filesystem::path logPath;
};

// A log of `count` QSOs over every band and 95 departments, a third of them
// without QSL.
kmb::Lines SampleLog(int count);

// What the process holds in memory now, in megabytes.
double ResidentMegabytes();
