#include "app/InputCleaner.h"

#include <QLineEdit>
#include <QValidator>

#include "app/Cp1252Text.h"

namespace {

class LogCharacterValidator final : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& position) const override {
    const QString clean = CleanTypedText(input);
    if (clean.size() != input.size()) {
      position = qMin(position - int(input.size() - clean.size()), int(clean.size()));
      position = qMax(position, 0);
      input = clean;
    }
    return Acceptable;
  }
};

}  // namespace

void KeepToLogCharacters(QLineEdit& field) { field.setValidator(new LogCharacterValidator(&field)); }
