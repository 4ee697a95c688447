#include "web/SitePage.h"

#include <QUrl>
#include <QWebEngineView>

#include "settings/SettingsStore.h"
#include "web/SiteAddress.h"

namespace {

QString MissingSiteHtml(const QString& siteKey) {
  return QStringLiteral(
             "<!DOCTYPE html><html lang=\"fr\"><head><meta charset=\"utf-8\">"
             "<title>Adresse du site à renseigner</title></head>"
             "<body style=\"font-family: sans-serif; margin: 2em\">"
             "<h2>Adresse du site non renseignée</h2>"
             "<p>Pour afficher cette page, indiquez l'adresse du site (par exemple https://exemple.fr) "
             "dans les réglages d'ORX_KMB, section « Setup », clé « %1 ».</p>"
             "<p>Le guide d'installation explique où se trouvent ces réglages.</p>"
             "</body></html>")
      .arg(siteKey.toHtmlEscaped());
}

}  // namespace

QWebEngineView* NewWebBrowser(QWidget* parent) {
  auto* view = new QWebEngineView(parent);
  view->setObjectName(QStringLiteral("WebBrowser1"));
  return view;
}

void ShowSitePage(QWebEngineView& view, const SettingsStore& settings, const QString& siteKey, std::string_view path) {
  const QString site = settings.read(settings_keys::kSetup, siteKey);
  const auto address = kmb::SiteAddress(site.toStdString(), path);
  if (!address) {
    view.setHtml(MissingSiteHtml(siteKey));
    return;
  }
  // A site written without its scheme ("site.fr") is taken as the browser would.
  view.setUrl(QUrl::fromUserInput(QString::fromStdString(*address)));
}
