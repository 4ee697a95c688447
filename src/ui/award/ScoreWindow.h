#pragma once
// "Scores": contacted, confirmed and confirmed-department counts of the HF
// and VHF groups, computed once while the window loads.
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

 private:
  struct Figures {
    QLineEdit* contacted = nullptr;
    QLineEdit* confirmed = nullptr;
    QLineEdit* departments = nullptr;
  };

  QFrame* buildPanel(const char* frameName, const char* titleName, const QString& title, Figures& figures,
                     const char* const (&names)[6]);
  static void fill(const Figures& figures, const kmb::GroupCounts& counts);

  Figures hf_;
  Figures vhf_;
};
