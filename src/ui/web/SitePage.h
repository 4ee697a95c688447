#pragma once
// Showing a page of a web site whose address is a setting of the program.
#include <QString>
#include <string_view>

class QWebEngineView;
class QWidget;
class SettingsStore;

namespace settings_keys {
// Addresses of the sites, under section "Setup " (for example "https://site.fr").
inline const QString kSiteKmb = QStringLiteral("Site KMB");
inline const QString kSiteCluster = QStringLiteral("Site Cluster");
}  // namespace settings_keys

// The embedded view of a web window, named "WebBrowser1".
QWebEngineView* NewWebBrowser(QWidget* parent);

// Navigates `view` to `path` on the site stored under `siteKey`; while that
// setting is blank, shows a page saying which setting to fill.
void ShowSitePage(QWebEngineView& view, const SettingsStore& settings, const QString& siteKey, std::string_view path);
