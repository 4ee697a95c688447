#pragma once
// The address of a page of a web site the operator set (core SiteAddress),
// as the web windows load it.
#include <QString>
#include <QUrl>
#include <string_view>

// `path` on `site`; an empty address while the site is blank or refused:
// only http and https are loaded.
QUrl SitePageUrl(const QString& site, std::string_view path);
