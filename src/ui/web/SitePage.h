#pragma once
// Showing a page of a web site whose address is a setting of the program.
#include <QString>
#include <string_view>

class QWebEngineView;
class QWidget;
class SettingsStore;

// The embedded view of a web window, named "WebBrowser1".
QWebEngineView* NewWebBrowser(QWidget* parent);

// Navigates `view` to `path` on the site stored under `siteKey`; while that
// setting is blank or refused, shows a page saying where to set it.
void ShowSitePage(QWebEngineView& view, const SettingsStore& settings, const QString& siteKey, std::string_view path);
