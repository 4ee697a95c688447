#include "ui/award/DepartmentMapView.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <algorithm>

#include "ui/award/AwardColours.h"
#include "ui/kit/FieldColours.h"
#include "ui/kit/ShownText.h"
#include "ui/kit/WidgetHelpers.h"

namespace {

const QString kMapFile = QStringLiteral(":/map/france.departments.svg");
constexpr QSize kBoxSize{25, 20};  // 375 x 300 twips
constexpr int kOnAirFrameWidth = 3;

bool InParisInset(int index) { return index == 75 || index == 92 || index == 93 || index == 94; }

// Where the boxes of 20, 98 and 99 show, in map coordinates: the Atlantic
// corner, clear of every department.
QPointF SpareBoxCentre(int index) {
  const double slot = index == 20 ? 0 : index == 98 ? 1 : 2;
  return {20 + 30 * slot, 570};
}

QLineEdit* DepartmentBox(int index, QWidget* parent) {
  auto* box = new QLineEdit(FromCp1252(kmb::MapBoxText(index)), parent);
  box->setObjectName(QStringLiteral("Dep_%1").arg(index, 2, 10, QLatin1Char('0')));
  box->setReadOnly(true);
  box->setFocusPolicy(Qt::NoFocus);
  box->setAlignment(Qt::AlignCenter);
  box->setFixedSize(kBoxSize);
  box->setTextMargins(0, 0, 0, 0);
  QFont font = box->font();
  font.setPointSize(7);
  box->setFont(font);
  return box;
}

// What a screen reader says of a box: its department and its state.
QString BoxName(const QString& text, int index, kmb::BoxState state) {
  const QString place = text == QLatin1String("X") ? QStringLiteral("Code %1, aucun département").arg(index)
                                                   : QStringLiteral("Département ") + text;
  switch (state) {
    case kmb::BoxState::Confirmed: return place + QStringLiteral(" : confirmé");
    case kmb::BoxState::NotConfirmed: return place + QStringLiteral(" : contacté, non confirmé");
    case kmb::BoxState::NotContacted: break;
  }
  return place + QStringLiteral(" : non contacté");
}

QString OnAirWords(int lavoirs) {
  return lavoirs == 1 ? QStringLiteral("1 lavoir sur l'air") : QStringLiteral("%1 lavoirs sur l'air").arg(lavoirs);
}

QString BoxTip(const QString& text, int index, int lavoirs) {
  if (lavoirs > 0) return OnAirWords(lavoirs) + QStringLiteral(" : Entrée ou double clic pour voir les spots");
  return text == QLatin1String("X") ? QStringLiteral("Code %1 : aucun département").arg(index) : QString();
}

bool IsChoice(const QEvent& event) {
  return event.type() == QEvent::MouseButtonDblClick ||
         (event.type() == QEvent::KeyPress && IsEnter(static_cast<const QKeyEvent&>(event)));
}

void CentreAt(QWidget& box, QPointF centre) { box.move((centre - QPointF(box.width(), box.height()) / 2).toPoint()); }

}  // namespace

QColor BoxColour(kmb::BoxState state) {
  switch (state) {
    case kmb::BoxState::NotConfirmed: return kBoxNotConfirmed;
    case kmb::BoxState::Confirmed: return kBoxConfirmed;
    case kmb::BoxState::NotContacted: break;
  }
  return kBoxNotContacted;
}

QWidget* OnAirSample(const char* name, QWidget* parent) {
  auto* sample = new QLabel(parent);
  sample->setObjectName(QString::fromLatin1(name));
  sample->setFixedSize(kBoxSize.grownBy(QMargins(1, 1, 1, 1) * kOnAirFrameWidth));
  sample->setStyleSheet(QStringLiteral("border: %1px solid %2; background: %3;")
                            .arg(kOnAirFrameWidth)
                            .arg(kOnAirMark.name(), kBoxNotContacted.name()));
  return sample;
}

DepartmentMapView::DepartmentMapView(QWidget* parent) : QWidget(parent), map_(LoadDepartmentOutlines(kMapFile)) {
  setObjectName(QStringLiteral("Carte_Departements"));
  // Smaller on a small screen, the legend kept in view.
  setMinimumSize(sizeHint() * 0.6);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
  for (const DepartmentOutline& department : map_.departments)
    if (InParisInset(department.index)) parisArea_ |= department.outline.boundingRect();
  for (int index = 0; index < kmb::kMapBoxCount; ++index) {
    boxes_[static_cast<std::size_t>(index)] = DepartmentBox(index, this);
    boxes_[static_cast<std::size_t>(index)]->installEventFilter(this);
    if (index == 0) boxes_[0]->hide();
  }
  states_.fill(kmb::BoxState::NotContacted);
  setBoxes(states_);
}

void DepartmentMapView::setBoxes(const kmb::MapBoxes& boxes) {
  states_ = boxes;
  for (int index = 0; index < kmb::kMapBoxCount; ++index) {
    QLineEdit& box = *boxes_[static_cast<std::size_t>(index)];
    const kmb::BoxState state = states_[static_cast<std::size_t>(index)];
    SetFieldColour(box, BoxColour(state));
    if (index == 20 || index == 98 || index == 99) box.setVisible(state != kmb::BoxState::NotContacted);
  }
  describeBoxes();
}

void DepartmentMapView::setOnAir(const std::map<std::string, int>& departments) {
  onAir_.fill({});
  for (const auto& [code, lavoirs] : departments)
    if (const auto index = kmb::DepartmentNumber(code, kmb::DepartmentReading::WholeNumber)) {
      OnAir& box = onAir_[static_cast<std::size_t>(*index)];
      box.code = code;
      box.lavoirs += lavoirs;
    }
  describeBoxes();
}

void DepartmentMapView::describeBoxes() {
  for (int index = 0; index < kmb::kMapBoxCount; ++index) {
    QLineEdit& box = *boxes_[static_cast<std::size_t>(index)];
    const int lavoirs = onAir_[static_cast<std::size_t>(index)].lavoirs;
    const QString name = BoxName(box.text(), index, states_[static_cast<std::size_t>(index)]);
    box.setAccessibleName(lavoirs > 0 ? name + QStringLiteral(", ") + OnAirWords(lavoirs) : name);
    box.setToolTip(BoxTip(box.text(), index, lavoirs));
    box.setFocusPolicy(lavoirs > 0 ? Qt::StrongFocus : Qt::NoFocus);
    QFont font = box.font();
    font.setBold(lavoirs > 0);
    box.setFont(font);
  }
  update();
}

bool DepartmentMapView::eventFilter(QObject* watched, QEvent* event) {
  const auto box = std::ranges::find(boxes_, watched);
  if (box == boxes_.end() || !IsChoice(*event)) return QWidget::eventFilter(watched, event);
  const OnAir& onAir = onAir_[static_cast<std::size_t>(box - boxes_.begin())];
  if (onAir.lavoirs == 0) return QWidget::eventFilter(watched, event);
  emit departmentChosen(onAir.code);
  return true;
}

QTransform DepartmentMapView::mapTransform() const {
  if (map_.viewBox.isEmpty()) return {};
  const double scale = std::min(width() / map_.viewBox.width(), height() / map_.viewBox.height());
  const double left = (width() - map_.viewBox.width() * scale) / 2;
  const double top = (height() - map_.viewBox.height() * scale) / 2;
  return QTransform::fromTranslate(-map_.viewBox.left(), -map_.viewBox.top()) * QTransform::fromScale(scale, scale) *
         QTransform::fromTranslate(left, top);
}

QRectF DepartmentMapView::insetFrame() const { return {4, 4, 150, 130}; }

QTransform DepartmentMapView::insetTransform() const {
  if (parisArea_.isEmpty()) return mapTransform();
  const QRectF frame = insetFrame().adjusted(6, 6, -6, -6);
  const double scale = std::min(frame.width() / parisArea_.width(), frame.height() / parisArea_.height());
  const QPointF offset = frame.center() - parisArea_.center() * scale;
  return QTransform::fromScale(scale, scale) * QTransform::fromTranslate(offset.x(), offset.y()) * mapTransform();
}

QPointF DepartmentMapView::boxCentre(const DepartmentOutline& department) const {
  const QTransform& transform = InParisInset(department.index) ? insetTransform() : mapTransform();
  return transform.map(department.labelPoint);
}

void DepartmentMapView::placeBoxes() {
  for (const DepartmentOutline& department : map_.departments)
    CentreAt(*boxes_[static_cast<std::size_t>(department.index)], boxCentre(department));
  for (int index : {20, 98, 99})
    CentreAt(*boxes_[static_cast<std::size_t>(index)], mapTransform().map(SpareBoxCentre(index)));
}

void DepartmentMapView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  placeBoxes();
}

void DepartmentMapView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(rect(), Qt::white);
  const QPen border(QColor(70, 70, 70), 0);  // cosmetic: one pixel at any scale
  auto paintDepartment = [&](const DepartmentOutline& department) {
    painter.fillPath(department.outline, BoxColour(states_[static_cast<std::size_t>(department.index)]));
    painter.strokePath(department.outline, border);
  };

  painter.setTransform(mapTransform());
  for (const DepartmentOutline& department : map_.departments) paintDepartment(department);

  painter.setPen(border);
  painter.setBrush(Qt::white);
  painter.drawRect(insetFrame());
  painter.setTransform(insetTransform());
  for (const DepartmentOutline& department : map_.departments)
    if (InParisInset(department.index)) paintDepartment(department);

  painter.resetTransform();
  painter.setPen(QPen(kOnAirMark, kOnAirFrameWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.setBrush(Qt::NoBrush);
  constexpr double kHalf = kOnAirFrameWidth / 2.0;  // the frame stands wholly outside the box
  for (int index = 0; index < kmb::kMapBoxCount; ++index) {
    const QLineEdit& box = *boxes_[static_cast<std::size_t>(index)];
    if (onAir_[static_cast<std::size_t>(index)].lavoirs > 0 && box.isVisible())
      painter.drawRect(QRectF(box.geometry()).adjusted(-kHalf, -kHalf, kHalf, kHalf));
  }
}
