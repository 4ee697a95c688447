#pragma once
// The map picture: the departments of metropolitan France filled with the
// colour of their state, each carrying its code box; Paris and its three
// neighbours are drawn again, enlarged, in an inset at the top left.
//
// The boxes are read-only text boxes named "Dep_00" to "Dep_99" after their
// index. Boxes 20, 98 and 99 stand for no department and only show, below
// the map, once a QSO marks them; box 0 never shows.
//
// A department with a lavoir on the air now has its box in bold, framed in
// red; Tab reaches it, and Enter or a double click chooses it.
#include <QWidget>
#include <array>
#include <map>
#include <string>

#include "core/award/MapColouring.h"
#include "ui/award/DepartmentOutlines.h"

class QLineEdit;

class DepartmentMapView final : public QWidget {
  Q_OBJECT
 public:
  explicit DepartmentMapView(QWidget* parent);

  void setBoxes(const kmb::MapBoxes& boxes);
  // Lavoirs on the air now by department, the code as references write it
  // ("89", "2a"); the departments left out go back to normal.
  void setOnAir(const std::map<std::string, int>& departments);

  QSize sizeHint() const override { return {475, 510}; }

 signals:
  // Enter or a double click on a marked box, with its department's code.
  void departmentChosen(const std::string& code);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct OnAir {
    std::string code;
    int lavoirs = 0;
  };

  void describeBoxes();  // names, tips, marks and focus
  void placeBoxes();
  QTransform mapTransform() const;    // map coordinates to the widget
  QTransform insetTransform() const;  // the Paris area, enlarged into the inset
  QRectF insetFrame() const;          // the inset, in map coordinates
  QPointF boxCentre(const DepartmentOutline& department) const;

  DepartmentOutlines map_;
  QRectF parisArea_;
  std::array<QLineEdit*, kmb::kMapBoxCount> boxes_{};
  kmb::MapBoxes states_{};
  std::array<OnAir, kmb::kMapBoxCount> onAir_{};
};

// The colour of a box in each state.
QColor BoxColour(kmb::BoxState state);

// An empty box with the mark of a lavoir on the air, for the legend.
QWidget* OnAirSample(const char* name, QWidget* parent);
