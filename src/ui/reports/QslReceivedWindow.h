#pragma once
// "QSL reçues": the cards that came back recorded at once. The QSOs of one
// station still awaiting their card, ticked and confirmed in one rewrite of
// the log; or the confirmations of an ADIF file matched with the log.
#include <QWidget>
#include <memory>
#include <vector>

#include "core/log/LogRewrite.h"
#include "core/reports/ConfirmationMatch.h"

class CommandBoard;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class QslReceivedWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit QslReceivedWindow(CommandBoard& board);

 private:
  QWidget* buildButtons();

  void listAwaitedQsls();
  // Lists again after the log changed, the same QSOs still ticked.
  void followLog();
  std::vector<kmb::ChosenLine> tickedQsos() const;
  void confirmTicked();
  void readConfirmationFile();
  void offerConfirmations(const kmb::ConfirmationMatch& match, const kmb::Lines& matchedLog);
  // Marks the chosen QSOs in one rewrite, unless the log moved under them.
  void markReceived(const std::vector<kmb::ChosenLine>& chosen);

  CommandBoard& board_;
  QLabel* title_ = nullptr;
  QLineEdit* call_ = nullptr;
  QListWidget* awaited_ = nullptr;
  QPushButton* confirm_ = nullptr;
  QPushButton* readFile_ = nullptr;
  QString listedCall_;                 // the call the list was made for; empty before a listing
  std::vector<kmb::ChosenLine> rows_;  // the QSO of each row of the list
};
