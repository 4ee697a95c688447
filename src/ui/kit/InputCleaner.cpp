#include "ui/kit/InputCleaner.h"

#include <QLineEdit>
#include <QValidator>

#include "ui/kit/ShownText.h"

namespace {

class LogCharacterValidator final : public QValidator {
 public:
  using QValidator::QValidator;

  State validate(QString& input, int& position) const override {
    const QString clean = CleanTypedText(input);
    if (clean != input) {
      position = int(CleanTypedText(input.left(position)).size());
      input = clean;
    }
    return Acceptable;
  }
};

}  // namespace

void KeepToLogCharacters(QLineEdit& field) { field.setValidator(new LogCharacterValidator(&field)); }
