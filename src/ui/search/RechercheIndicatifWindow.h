#pragma once
// "Rechercher un QSO": finds QSOs of the main list by call sign, reference
// or department; a double click on a result selects it in the main list.
#include <QWidget>

#include "ui/kit/AppContext.h"
#include "ui/kit/LogbookView.h"
#include "core/search/QsoSearch.h"

class QButtonGroup;
class QKeyEvent;
class QLineEdit;
class QListWidget;
class QRadioButton;

class RechercheIndicatifWindow final : public QWidget {
  Q_OBJECT
 public:
  RechercheIndicatifWindow(AppContext& context, LogbookView& logbook);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* buildCriteriaFrame();
  QWidget* buildResultFrame();

  bool Indica_KeyPress(const QKeyEvent& key);
  bool Data_KeyPress(const QKeyEvent& key);
  bool Depa_KeyPress(const QKeyEvent& key);
  void Option1_Click(int index);
  void Recherche_SP();
  void QSO_Effectues_DblClick();

  kmb::SearchCriterion selectedCriterion() const;
  QLineEdit& boxOf(kmb::SearchCriterion criterion) const;
  void selectCriterionOf(const QObject* box);
  void inform(const QString& text);

  AppContext& ctx_;
  LogbookView& logbook_;
  QButtonGroup* option1_ = nullptr;
  QLineEdit* indica_ = nullptr;
  QLineEdit* data_ = nullptr;
  QLineEdit* depa_ = nullptr;
  QListWidget* qsoEffectues_ = nullptr;
};
