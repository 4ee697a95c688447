#include "ui/kit/FieldWidths.h"

#include <QComboBox>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionFrame>

namespace {

// A line edit draws its text this far in from each side of its inner rectangle.
constexpr int kLineEditTextMargin = 2;

QSize InsideOf(const QLineEdit& field, int textWidth) {
  const QMargins margins = field.textMargins() + field.contentsMargins();
  return {textWidth + 2 * kLineEditTextMargin + margins.left() + margins.right(), field.fontMetrics().height()};
}

int LineEditWidth(const QLineEdit& field, int textWidth) {
  QStyleOptionFrame option;
  option.initFrom(&field);
  option.lineWidth = field.hasFrame() ? field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field) : 0;
  return field.style()->sizeFromContents(QStyle::CT_LineEdit, &option, InsideOf(field, textWidth), &field).width();
}

int ComboBoxWidth(const QComboBox& box, int textWidth) {
  QStyleOptionComboBox option;
  option.initFrom(&box);
  option.editable = box.isEditable();
  option.frame = box.hasFrame();
  const QSize inside = box.lineEdit() ? InsideOf(*box.lineEdit(), textWidth) : QSize(textWidth, 0);
  return box.style()->sizeFromContents(QStyle::CT_ComboBox, &option, inside, &box).width();
}

}  // namespace

void FitCharacters(QWidget& field, int characters, QChar widest) {
  const int textWidth = field.fontMetrics().horizontalAdvance(QString(characters, widest));
  if (const auto* box = qobject_cast<const QComboBox*>(&field))
    field.setMinimumWidth(ComboBoxWidth(*box, textWidth));
  else if (const auto* line = qobject_cast<const QLineEdit*>(&field))
    field.setMinimumWidth(LineEditWidth(*line, textWidth));
}
