#pragma once
// "Cluster" in "Préférences": the node of "Spots KMB" as "hôte:port", the
// call sign to log in with (the station's by default), whether the program
// listens from its start, and whether a new lavoir is announced by a sound.
#include "ui/settings/PreferencesSection.h"

class QCheckBox;
class QLabel;
class QLineEdit;

class ClusterSection final : public PreferencesSection {
 public:
  ClusterSection(const SettingsStore& settings, QWidget* parent);

  std::optional<Refusal> refusal() const override;
  void save(SettingsStore& settings) const override;

 private:
  void showNodeStatus();

  QString stationCall_;  // display form; empty without a station
  QLineEdit* node_ = nullptr;
  QLabel* nodeStatus_ = nullptr;
  QLineEdit* call_ = nullptr;
  QCheckBox* atStart_ = nullptr;  // Cluster Au Demarrage
  QCheckBox* sound_ = nullptr;    // Cluster Annonce Sonore
};
