#pragma once
// "Préférences": what the settings hold beyond the station, edited with the
// keyboard, one section per subject, saved together by "Enregistrer".
#include <QWidget>
#include <functional>
#include <vector>

#include "ui/kit/AppContext.h"

class PreferencesSection;
class RadioControl;

class PreferencesWindow final : public QWidget {
  Q_OBJECT
 public:
  // `saved` runs once the settings are stored, for what depends on them.
  PreferencesWindow(AppContext& context, RadioControl& radio, std::function<void()> saved);

 protected:
  // Enter on a tick or a list goes on to the next field, as in the text fields.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLayout* buildButtons();
  // Saves every section and closes, or says which field to correct and goes to it.
  void save();

  AppContext& ctx_;
  const std::function<void()> saved_;
  std::vector<PreferencesSection*> sections_;
};
