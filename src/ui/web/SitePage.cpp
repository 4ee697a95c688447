#include "ui/web/SitePage.h"

#include <QUrl>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "core/web/SiteAddress.h"
#include "ui/kit/SettingsStore.h"

namespace {

QString MissingSiteHtml(const QString& siteKey) {
  return QStringLiteral(
             "<!DOCTYPE html><html lang=\"fr\"><head><meta charset=\"utf-8\">"
             "<title>Adresse du site à renseigner</title></head>"
             "<body style=\"font-family: sans-serif; margin: 2em\">"
             "<h2>Adresse du site non renseignée ou non valable</h2>"
             "<p>Pour afficher cette page, indiquez l'adresse web du site, commençant par http:// ou https:// "
             "(par exemple https://exemple.fr), dans les réglages d'ORX_KMB, section « Setup », clé « %1 ».</p>"
             "<p>Le guide d'installation explique où se trouvent ces réglages.</p>"
             "</body></html>")
      .arg(siteKey.toHtmlEscaped());
}

bool IsWebAddress(const QUrl& url) {
  return url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
}

}  // namespace

QWebEngineView* NewWebBrowser(QWidget* parent) {
  auto* view = new QWebEngineView(parent);
  view->page()->profile()->setHttpAcceptLanguage(QStringLiteral("fr-FR,fr"));
  view->setObjectName(QStringLiteral("WebBrowser1"));
  return view;
}

void ShowSitePage(QWebEngineView& view, const SettingsStore& settings, const QString& siteKey, std::string_view path) {
  const QString site = settings.read(settings_keys::kSetup, siteKey);
  const auto address = kmb::SiteAddress(site.toStdString(), path);
  const QUrl url = address ? QUrl(QString::fromStdString(*address), QUrl::StrictMode) : QUrl();
  if (!IsWebAddress(url)) {
    view.setHtml(MissingSiteHtml(siteKey));
    return;
  }
  view.setUrl(url);
}
