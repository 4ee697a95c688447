#pragma once
// "Rechercher un QSO": finds QSOs of the main list by call sign, reference
// or department; a double click on a result selects it in the main list.
#include <QWidget>

#include "core/entry/EntryControls.h"
#include "core/search/QsoSearch.h"
#include "ui/kit/AppContext.h"
#include "ui/kit/LogbookView.h"

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

  bool callSignKeyPress(const QKeyEvent& key);
  bool referenceKeyPress(const QKeyEvent& key);
  bool departmentKeyPress(const QKeyEvent& key);
  void searchUnlessRefused(kmb::EntryControl control, const QLineEdit& box);
  void focusCriterionBox(int index);
  void search();
  void listResults();
  void returnToResult();

  kmb::SearchCriterion selectedCriterion() const;
  QLineEdit& boxOf(kmb::SearchCriterion criterion) const;
  void selectCriterionOf(const QObject* box);
  void inform(const QString& text);

  AppContext& ctx_;
  LogbookView& logbook_;
  QButtonGroup* criteria_ = nullptr;
  QLineEdit* callBox_ = nullptr;
  QLineEdit* referenceBox_ = nullptr;
  QLineEdit* departmentBox_ = nullptr;
  QListWidget* results_ = nullptr;
  struct Search {
    kmb::SearchCriterion criterion = kmb::SearchCriterion::Indicatif;
    kmb::Bytes text;
  };
  Search lastSearch_;  // what the results were found by
};
