#include "ui/settings/WebSitesSection.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/kit/SettingsStore.h"
#include "ui/kit/SiteUrl.h"
#include "ui/kit/WidgetHelpers.h"

using namespace settings_keys;

namespace {

const QString kWebOnly =
    QStringLiteral("seules les adresses web en http:// ou https:// sont acceptées (par exemple https://exemple.fr).");

bool IsBlank(const QString& typed) { return typed.trimmed().isEmpty(); }

// A blank address is kept: its windows then say where to set it.
bool IsRefused(const QString& typed) { return !IsBlank(typed) && SitePageUrl(typed, {}).isEmpty(); }

QString StatusOf(const QString& typed) {
  if (IsBlank(typed)) return QStringLiteral("Aucune adresse : les pages de ce site ne s'afficheront pas.");
  if (IsRefused(typed)) return QStringLiteral("Adresse refusée : ") + kWebOnly;
  return QStringLiteral("Adresse acceptée : ") + SitePageUrl(typed, {}).toString();
}

}  // namespace

WebSitesSection::WebSitesSection(const SettingsStore& settings, QWidget* parent)
    : PreferencesSection(QStringLiteral("Sites web"), parent) {
  setObjectName(QStringLiteral("Sites_Web"));
  form_ = new QFormLayout(this);
  addSite(kSiteKmb, "Site_KMB", settings);
  addSite(kSiteCluster, "Site_Cluster", settings);
}

void WebSitesSection::addSite(const QString& key, const char* name, const SettingsStore& settings) {
  auto* address = Named(new QLineEdit(settings.read(kSetup, key), this), name);
  address->setAccessibleName(key);
  address->setMinimumWidth(address->fontMetrics().averageCharWidth() * 50);
  auto* status = new QLabel(this);
  status->setObjectName(QStringLiteral("Etat_") + QLatin1String(name));
  status->setWordWrap(true);
  auto* caption = new QLabel(key, this);
  caption->setBuddy(address);
  form_->addRow(caption, address);
  form_->setWidget(form_->rowCount(), QFormLayout::FieldRole, status);

  const SiteField site{key, address, status};
  sites_.push_back(site);
  connect(address, &QLineEdit::textChanged, this, [site] { showStatus(site); });
  showStatus(site);
}

void WebSitesSection::showStatus(const SiteField& site) {
  const QString typed = site.address->text();
  site.status->setText(StatusOf(typed));
  site.status->setStyleSheet(IsRefused(typed) ? QStringLiteral("color: #c00000;") : QString());
  site.address->setAccessibleDescription(site.status->text());
}

std::optional<PreferencesSection::Refusal> WebSitesSection::refusal() const {
  for (const SiteField& site : sites_)
    if (IsRefused(site.address->text()))
      return Refusal{site.address, QStringLiteral("L'adresse du champ « %1 » est refusée : %2 Rien n'a été enregistré.")
                                       .arg(site.key, kWebOnly)};
  return std::nullopt;
}

void WebSitesSection::save(SettingsStore& settings) const {
  for (const SiteField& site : sites_) settings.write(kSetup, site.key, site.address->text().trimmed());
}
