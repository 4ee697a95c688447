#pragma once
// The map picture: the departments of metropolitan France filled with the
// colour of their state, each carrying its code box; Paris and its three
// neighbours are drawn again, enlarged, in an inset at the top left.
//
// The boxes are read-only text boxes named "Dep_00" to "Dep_99" after their
// index. Boxes 20, 98 and 99 stand for no department and only show, below
// the map, once a QSO marks them; box 0 never shows.
#include <QWidget>
#include <array>

#include "core/award/MapColouring.h"
#include "ui/award/DepartmentOutlines.h"

class QLineEdit;

class DepartmentMapView final : public QWidget {
  Q_OBJECT
 public:
  explicit DepartmentMapView(QWidget* parent);

  void setBoxes(const kmb::MapBoxes& boxes);

  QSize sizeHint() const override { return {475, 510}; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void placeBoxes();
  QTransform mapTransform() const;    // map coordinates to the widget
  QTransform insetTransform() const;  // the Paris area, enlarged into the inset
  QRectF insetFrame() const;          // the inset, in map coordinates
  QPointF boxCentre(const DepartmentOutline& department) const;

  DepartmentOutlines map_;
  QRectF parisArea_;
  std::array<QLineEdit*, kmb::kMapBoxCount> boxes_{};
  kmb::MapBoxes states_{};
};

// The colour of a box in each state.
QColor BoxColour(kmb::BoxState state);
