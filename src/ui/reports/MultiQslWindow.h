#pragma once
// "QSL's non reçues": the QSOs of one station whose card is still awaited,
// and the printing of a card back on which that station confirms the ticked
// ones.
#include <QWidget>
#include <vector>

#include "ui/kit/AppContext.h"
#include "ui/kit/LogbookView.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class MultiQslWindow final : public QWidget {
  Q_OBJECT
 public:
  MultiQslWindow(AppContext& context, const LogbookView& logbook);

 private:
  QWidget* buildPrintFrame();

  void listAwaitedQsls();
  void print();
  std::vector<kmb::Bytes> tickedRows() const;

  AppContext& ctx_;
  const LogbookView& logbook_;
  QLabel* title_ = nullptr;
  QLineEdit* call_ = nullptr;
  QPushButton* listButton_ = nullptr;
  QListWidget* awaited_ = nullptr;
  QPushButton* printButton_ = nullptr;
};
