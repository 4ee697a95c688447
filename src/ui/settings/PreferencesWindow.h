#pragma once
// "Préférences": what the settings hold beyond the station, edited with the
// keyboard, one section per subject, saved together by "Enregistrer".
#include <QWidget>
#include <vector>

#include "ui/kit/AppContext.h"

class PreferencesSection;

class PreferencesWindow final : public QWidget {
  Q_OBJECT
 public:
  explicit PreferencesWindow(AppContext& context);

 private:
  QLayout* buildButtons();
  // Saves every section and closes, or says which field to correct and goes to it.
  void save();

  AppContext& ctx_;
  std::vector<PreferencesSection*> sections_;
};
