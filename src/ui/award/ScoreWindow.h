#pragma once
// "Scores": contacted, confirmed and confirmed-department counts of the HF
// and VHF groups.
#include <QWidget>

#include "ui/kit/AppContext.h"
#include "ui/kit/LogbookView.h"

class QFrame;
class QLineEdit;

namespace kmb {
struct GroupCounts;
}

class ScoreWindow final : public QWidget {
  Q_OBJECT
 public:
  ScoreWindow(AppContext& context, const LogbookView& logbook);

  // Reads the log again and shows its counts.
  void showLog();

 private:
  struct Figures {
    QLineEdit* contacted = nullptr;
    QLineEdit* confirmed = nullptr;
    QLineEdit* departments = nullptr;
  };

  QFrame* buildPanel(const char* frameName, const char* titleName, const QString& title, Figures& figures,
                     const char* const (&names)[6]);
  static void fill(const Figures& figures, const kmb::GroupCounts& counts);

  AppContext& context_;
  const LogbookView& logbook_;
  Figures hf_;
  Figures vhf_;
};
