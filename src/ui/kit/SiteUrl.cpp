#include "ui/kit/SiteUrl.h"

#include "core/web/SiteAddress.h"

QUrl SitePageUrl(const QString& site, std::string_view path) {
  const auto address = kmb::SiteAddress(site.toStdString(), path);
  if (!address) return {};
  const QUrl url(QString::fromStdString(*address), QUrl::StrictMode);
  const bool web = url.isValid() && (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https"));
  return web ? url : QUrl();
}
