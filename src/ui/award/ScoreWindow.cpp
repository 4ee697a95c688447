#include "ui/award/ScoreWindow.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "core/award/AwardRules.h"
#include "ui/award/AwardColours.h"
#include "ui/award/StationLog.h"
#include "ui/kit/AfterShown.h"
#include "ui/kit/NamedWidgets.h"
#include "ui/kit/WindowPlacement.h"

ScoreWindow::ScoreWindow(AppContext& context, const LogbookView& logbook) : context_(context), logbook_(logbook) {
  setObjectName(QStringLiteral("Score_KMB"));
  setWindowTitle(QStringLiteral("Scores"));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TitleFrame(QStringLiteral("Scores KMB"), this));
  layout->addWidget(buildPanel("Cadre_HF", "Label1", QStringLiteral("KMB HF"), hf_,
                               {"Label3", "HF_CT", "Label4", "HF_CF", "Label11", "HF_Dpt"}));
  layout->addWidget(buildPanel("Cadre_VHF", "Label5", QStringLiteral("KMB VHF"), vhf_,
                               {"Label7", "VHF_CT", "Label9", "VHF_CF", "Label12", "VHF_Dpt"}));

  AfterFirstShown(*this, [this] { showLog(); });
  adjustSize();
  PressButtonsOnEnter(*this);
  PlaceWindow(*this, context_.settings);
}

void ScoreWindow::showLog() {
  const kmb::Lines log = ReadStationLog(context_, logbook_, this);
  fill(hf_, kmb::CountGroup(log, kmb::kHf));
  fill(vhf_, kmb::CountGroup(log, kmb::kVhf));
}

QFrame* ScoreWindow::buildPanel(const char* frameName, const char* titleName, const QString& title, Figures& figures,
                                const char* const (&names)[6]) {
  auto* frame = NamedFrame(frameName, this);
  auto* grid = new QGridLayout(frame);
  auto* heading = NamedLabel(titleName, title, frame);
  QFont bold = heading->font();
  bold.setBold(true);
  heading->setFont(bold);
  grid->addWidget(heading, 0, 0, 1, 2, Qt::AlignHCenter);

  const QString texts[3] = {QStringLiteral("Nombre de Lavoirs contactés"),
                            QStringLiteral("Nombre de Lavoirs confirmés"),
                            QStringLiteral("Nombre de départements confirmés")};
  QLineEdit** boxes[3] = {&figures.contacted, &figures.confirmed, &figures.departments};
  for (int row = 0; row < 3; ++row) {
    grid->addWidget(NamedLabel(names[2 * row], texts[row], frame), row + 1, 0);
    *boxes[row] = FigureBox(names[2 * row + 1], kFigureBackground, frame);
    (*boxes[row])->setFixedWidth(80);
    NameAfterCaption(**boxes[row], title + QStringLiteral(" : ") + texts[row]);
    grid->addWidget(*boxes[row], row + 1, 1);
  }
  return frame;
}

void ScoreWindow::fill(const Figures& figures, const kmb::GroupCounts& counts) {
  figures.contacted->setText(QString::number(counts.contacted));
  figures.confirmed->setText(QString::number(counts.confirmed));
  figures.departments->setText(QString::number(counts.confirmedDepartments));
}
