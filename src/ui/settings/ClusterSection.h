#pragma once
// "Cluster" in "Préférences": the node of "Spots KMB" as "hôte:port" and the
// call sign to log in with, the station's by default.
#include "ui/settings/PreferencesSection.h"

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
};
