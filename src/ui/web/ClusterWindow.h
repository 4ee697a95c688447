#pragma once
// The DX-cluster window: the latest spots of one band or band group, as the
// cluster site publishes them, with the band choice kept per station.
#include <QWidget>

#include "ui/kit/AppContext.h"

class QComboBox;
class QPushButton;
class QWebEngineView;
class LogbookView;

class ClusterWindow final : public QWidget {
  Q_OBJECT
 public:
  ClusterWindow(AppContext& context, const LogbookView& logbook);

  // Stores the chosen band and navigates to its page.
  void showPage();

 private:
  void buildWidgets();
  void fillBands();
  // The list index chosen, -1 once the operator has typed over the item.
  int chosenBand() const;
  QString stationSection() const;

  AppContext& ctx_;
  const LogbookView& logbook_;
  QComboBox* band_ = nullptr;
  QPushButton* displayButton_ = nullptr;
  QWebEngineView* browser_ = nullptr;
};
