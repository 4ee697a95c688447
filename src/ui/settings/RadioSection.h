#pragma once
// "Radio" in "Préférences": the radio Hamlib reads (model, port, speed),
// "Tester", which asks it once where it listens, and "Reconnecter".
#include <vector>

#include "core/radio/HamlibRadio.h"
#include "ui/settings/PreferencesSection.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class RadioControl;

class RadioSection final : public PreferencesSection {
 public:
  RadioSection(const SettingsStore& settings, RadioControl& radio, QWidget* parent);
  ~RadioSection() override;

  std::optional<Refusal> refusal() const override;
  void save(SettingsStore& settings) const override;

 private:
  void build(const SettingsStore& settings);
  // The models whose maker or name holds the typed text; the chosen one kept.
  void filterModels();
  void enableFields();
  kmb::RadioSetup typedSetup() const;
  void test();  // "Tester", or "Annuler l'essai" while one waits
  void showTestResult(const QString& result);

  const std::vector<kmb::RadioModel> models_;
  QCheckBox* useRadio_ = nullptr;      // Radio_Utiliser
  QLineEdit* filter_ = nullptr;        // Radio_Filtre
  QComboBox* model_ = nullptr;         // Radio_Modele
  QComboBox* port_ = nullptr;          // Radio_Port
  QComboBox* speed_ = nullptr;         // Radio_Vitesse
  QPushButton* testButton_ = nullptr;  // Radio_Tester
  QPushButton* reconnect_ = nullptr;   // Radio_Reconnecter
  QLabel* testResult_ = nullptr;       // Radio_Resultat
  RadioControl& radio_;
  int chosenModel_ = 0;  // kept while the radio is unticked, offered again when ticked
  bool testing_ = false;
};
