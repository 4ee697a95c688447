#include "ui/award/DepartmentOutlines.h"

#include <QFile>
#include <QXmlStreamReader>

#include "core/award/AwardRules.h"
#include "core/award/DepartmentShape.h"

namespace {

QRectF ViewBox(const QXmlStreamAttributes& attributes) {
  const QStringList numbers =
      attributes.value(QStringLiteral("viewBox")).toString().simplified().split(QLatin1Char(' '));
  if (numbers.size() != 4) return {};
  return {numbers[0].toDouble(), numbers[1].toDouble(), numbers[2].toDouble(), numbers[3].toDouble()};
}

QPainterPath Outline(const kmb::MapRings& rings) {
  QPainterPath path;
  for (const kmb::MapRing& ring : rings) {
    if (ring.empty()) continue;
    path.moveTo(ring.front().x, ring.front().y);
    for (std::size_t n = 1; n < ring.size(); ++n) path.lineTo(ring[n].x, ring[n].y);
    path.closeSubpath();
  }
  return path;
}

}  // namespace

DepartmentOutlines LoadDepartmentOutlines(const QString& svgFile) {
  DepartmentOutlines map;
  QFile file(svgFile);
  if (!file.open(QIODevice::ReadOnly)) return map;
  QXmlStreamReader xml(&file);
  while (!xml.atEnd()) {
    if (xml.readNext() != QXmlStreamReader::StartElement) continue;
    if (xml.name() == QLatin1String("svg")) map.viewBox = ViewBox(xml.attributes());
    if (xml.name() != QLatin1String("path")) continue;
    const std::string code = xml.attributes().value(QStringLiteral("id")).toString().toStdString();
    const auto index = kmb::DepartmentNumber(code, kmb::DepartmentReading::WholeNumber);
    if (!index || *index < 1 || *index > 97) continue;
    const kmb::MapRings rings =
        kmb::ParseSvgPathRings(xml.attributes().value(QStringLiteral("d")).toString().toStdString());
    const kmb::MapPoint label = kmb::LabelPoint(rings);
    map.departments.push_back({*index, Outline(rings), QPointF(label.x, label.y)});
  }
  return map;
}
