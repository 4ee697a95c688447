#pragma once
// "Diplome KMB bande HF" and "Diplome KMB bande VHF": whether the confirmed
// QSOs reach the diploma, or how many are missing; and the claim's files.
#include <QWidget>

#include "core/award/Diploma.h"
#include "ui/kit/AppContext.h"
#include "ui/kit/LogbookView.h"

class QLabel;

// What tells the two diploma windows apart.
struct DiplomaFace {
  kmb::DiplomaRule rule;
  const char* windowName;
  QString caption;
  QString title;
  const char* frameName;
  const char* verdictName;
  const char* wordsBeforeName;
  const char* numberName;
  const char* wordsAfterName;
};

DiplomaFace HfDiplomaFace();
DiplomaFace VhfDiplomaFace();

class DiplomaWindow final : public QWidget {
  Q_OBJECT
 public:
  DiplomaWindow(AppContext& context, const LogbookView& logbook, const DiplomaFace& face);

  // Reads the log again and shows where it stands.
  void showLog();

 private:
  void build(const DiplomaFace& face);
  void showStanding(const kmb::DiplomaStanding& standing);

  AppContext& context_;
  const LogbookView& logbook_;
  const kmb::DiplomaRule rule_;
  QLabel* verdict_ = nullptr;
  QLabel* wordsBefore_ = nullptr;
  QLabel* number_ = nullptr;
};
