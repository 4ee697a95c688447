#pragma once
// "Sites web" in "Préférences": the addresses of the award's site and of the
// cluster's, each checked as it is typed.
#include <vector>

#include "ui/settings/PreferencesSection.h"

class QFormLayout;
class QLabel;
class QLineEdit;

class WebSitesSection final : public PreferencesSection {
 public:
  WebSitesSection(const SettingsStore& settings, QWidget* parent);

  std::optional<Refusal> refusal() const override;
  void save(SettingsStore& settings) const override;

 private:
  struct SiteField {
    QString key;  // its setting under "Setup ", also its caption
    QLineEdit* address;
    QLabel* status;  // what the typed address gives, in words
  };
  void addSite(const QString& key, const char* name, const SettingsStore& settings);
  static void showStatus(const SiteField& site);

  QFormLayout* form_ = nullptr;
  std::vector<SiteField> sites_;
};
