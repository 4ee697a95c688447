#pragma once
// One part of the "Préférences" window, a group of fields saved together:
// the window saves every part once none refuses its fields.
#include <QGroupBox>
#include <QString>
#include <optional>

class SettingsStore;

class PreferencesSection : public QGroupBox {
 public:
  using QGroupBox::QGroupBox;

  struct Refusal {
    QWidget* field;  // where the operator corrects it
    QString reason;  // said in French, naming the field
  };
  // The first field that cannot be saved as it stands, and why.
  virtual std::optional<Refusal> refusal() const = 0;
  virtual void save(SettingsStore& settings) const = 0;
};
