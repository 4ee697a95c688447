#include "ui/award/DiplomaWindow.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/award/AwardColours.h"
#include "ui/award/DiplomaClaimCommand.h"
#include "ui/award/StationLog.h"
#include "ui/kit/AfterShown.h"
#include "ui/kit/NamedWidgets.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"
#include "ui/kit/WindowPlacement.h"

DiplomaFace HfDiplomaFace() {
  return {kmb::kHfDiploma,
          "Diplomes",
          QStringLiteral("Diplome KMB bande HF"),
          QStringLiteral("Diplomes KMB bande HF"),
          "Frame2",
          "Label4",
          "Label18",
          "Label5",
          "Label6"};
}

DiplomaFace VhfDiplomaFace() {
  return {kmb::kVhfDiploma,
          "Diplome_VHF",
          QStringLiteral("Diplome KMB bande VHF"),
          QStringLiteral("Diplomes KMB bande VHF"),
          "Frame3",
          "Label25",
          "Label27",
          "Label28",
          "Label29"};
}

DiplomaWindow::DiplomaWindow(AppContext& context, const LogbookView& logbook, const DiplomaFace& face)
    : context_(context), logbook_(logbook), rule_(face.rule) {
  setObjectName(QString::fromLatin1(face.windowName));
  setWindowTitle(face.caption);
  build(face);
  adjustSize();
  PressButtonsOnEnter(*this);
  PlaceWindow(*this, context_.settings);
  AfterFirstShown(*this, [this] { showLog(); });
}

void DiplomaWindow::showLog() { showStanding(kmb::EvaluateDiploma(ReadStationLog(context_, logbook_, this), rule_)); }

void DiplomaWindow::build(const DiplomaFace& face) {
  auto* frame = NamedFrame(face.frameName, this);
  verdict_ = NamedLabel(
      face.verdictName,
      QStringLiteral("Vous ne pouvez pas encore obtenir le diplome KMB %1").arg(FromCp1252(face.rule.group)), frame);
  verdict_->setAlignment(Qt::AlignCenter);
  SetTextColour(*verdict_, kVerdictRed);
  wordsBefore_ = NamedLabel(face.wordsBeforeName, QStringLiteral("avec les QSL des"), frame);
  wordsBefore_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  number_ = NamedLabel(face.numberName, QString(), frame);
  number_->setAlignment(Qt::AlignCenter);
  number_->setMinimumWidth(40);
  auto* wordsAfter = NamedLabel(face.wordsAfterName, QStringLiteral("Lavoirs confirmés"), frame);

  auto* sentence = new QHBoxLayout;
  sentence->addWidget(wordsBefore_, 1);
  sentence->addWidget(number_);
  sentence->addWidget(wordsAfter, 1);
  auto* inner = new QVBoxLayout(frame);
  inner->addWidget(verdict_);
  inner->addLayout(sentence);

  auto* claim = Named(new QPushButton(QStringLiteral("Préparer la demande"), this), "Demande_Diplome");
  connect(claim, &QPushButton::clicked, this, [this] { PrepareDiplomaClaim(context_, logbook_, rule_, this); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(TitleFrame(face.title, this));
  layout->addWidget(frame);
  layout->addWidget(claim, 0, Qt::AlignRight);
}

// Each colour is set again: the log may lose QSOs while the window is open.
void DiplomaWindow::showStanding(const kmb::DiplomaStanding& standing) {
  const QString band = FromCp1252(rule_.group);
  if (standing.reached()) {
    SetTextColour(*verdict_, kVerdictGreen);
    verdict_->setText(QStringLiteral("Bravo vous pouvez obtenir le diplome KMB %1").arg(band));
    wordsBefore_->setText(QStringLiteral("avec les QSL des"));
  } else {
    SetTextColour(*verdict_, kVerdictRed);
    verdict_->setText(QStringLiteral("Vous ne pouvez pas obtenir le diplome KMB %1").arg(band));
    wordsBefore_->setText(QStringLiteral("il vous manque "));
  }
  number_->setText(QString::number(standing.shownNumber()));
}
