#pragma once
// The department outlines of the map picture, read from its SVG file: one
// path per department, its id the department code ("01".."95", "2A", "2B").
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <vector>

struct DepartmentOutline {
  int index = 0;  // the department's box: 1..95, 96 and 97 for Corsica
  QPainterPath outline;
  QPointF labelPoint;
};

struct DepartmentOutlines {
  QRectF viewBox;
  std::vector<DepartmentOutline> departments;
};

// Paths whose id is no department code are left out; an unreadable file
// gives no department at all.
DepartmentOutlines LoadDepartmentOutlines(const QString& svgFile);
