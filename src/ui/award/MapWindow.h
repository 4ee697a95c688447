#pragma once
// "Carte des départements contactés": the department map of one band group
// with its legend counts. The operator picks the group (HF at opening).
// The departments with a lavoir on the air now are marked as spots come;
// choosing one shows its spots.
#include <QWidget>

#include "core/award/MapColouring.h"
#include "ui/kit/AppContext.h"
#include "ui/kit/LiveSpots.h"
#include "ui/kit/LogbookView.h"

class QComboBox;
class QLabel;
class QLineEdit;
class DepartmentMapView;

class MapWindow final : public QWidget {
  Q_OBJECT
 public:
  MapWindow(AppContext& context, const LogbookView& logbook, LiveSpots& spots);

  // Colours the boxes from the log for `group` and gives their counts.
  kmb::MapCounts colourMap(std::string_view group);  // MapColouring
  // Reads the log again and shows the chosen group's map and counts.
  void showLog();

 private:
  QWidget* buildCountLine();
  QWidget* buildLegend();
  QWidget* buildOnAirLegend();
  void showOnAir();

  AppContext& context_;
  const LogbookView& logbook_;
  LiveSpots& spots_;
  QComboBox* group_ = nullptr;
  QLabel* contactedCount_ = nullptr;
  DepartmentMapView* picture_ = nullptr;
  QLineEdit* confirmedLegend_ = nullptr;
  QLineEdit* notConfirmedLegend_ = nullptr;
  QLineEdit* notContactedLegend_ = nullptr;
};
