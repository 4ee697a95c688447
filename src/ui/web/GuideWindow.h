#pragma once
// The operator's guide, carried inside the program so that every copy,
// installed or portable, shows it without looking for files.
#include <QWidget>

class QTextBrowser;
class SettingsStore;

class GuideWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit GuideWindow(SettingsStore& settings);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void fitPictures();

  QTextBrowser* text_ = nullptr;
};
