#include "ui/web/SitePage.h"

#include <QWebEngineProfile>
#include <QWebEngineView>

#include "ui/kit/SettingsStore.h"
#include "ui/kit/SiteUrl.h"

namespace {

// The site's field in "Préférences" bears the name of its setting.
QString MissingSiteHtml(const QString& siteKey) {
  return QStringLiteral(
             "<!DOCTYPE html><html lang=\"fr\"><head><meta charset=\"utf-8\">"
             "<title>Adresse du site à renseigner</title></head>"
             "<body style=\"font-family: sans-serif; margin: 2em\">"
             "<h2>Adresse du site non renseignée ou non valable</h2>"
             "<p>Pour afficher cette page, indiquez l'adresse web du site, commençant par http:// ou https:// "
             "(par exemple https://exemple.fr) : dans la fenêtre principale, menu Fichier &gt; Préférences…, "
             "champ « %1 ».</p>"
             "</body></html>")
      .arg(siteKey.toHtmlEscaped());
}

}  // namespace

QWebEngineView* NewWebBrowser(QWidget* parent) {
  auto* view = new QWebEngineView(parent);
  view->page()->profile()->setHttpAcceptLanguage(QStringLiteral("fr-FR,fr"));
  view->setObjectName(QStringLiteral("WebBrowser1"));
  return view;
}

void ShowSitePage(QWebEngineView& view, const SettingsStore& settings, const QString& siteKey, std::string_view path) {
  const QUrl url = SitePageUrl(settings.read(settings_keys::kSetup, siteKey), path);
  if (url.isEmpty()) {
    view.setHtml(MissingSiteHtml(siteKey));
    return;
  }
  view.setUrl(url);
}
