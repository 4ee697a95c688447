#pragma once
// Addresses of the pages shown from the award's site and the DX-cluster site.
#include <optional>
#include <string>
#include <string_view>

namespace kmb {

inline constexpr std::string_view kRulesPath = "/KMB/KMB.html";
inline constexpr std::string_view kActiveListPath = "/KMB/KMB-actif.html";

// Path of the cluster page for a page code: the 250 latest spots of a band
// group ("HF", "VHF"), the 50 latest of any other code.
std::string ClusterPath(std::string_view pageCode);

// The site's address followed by the path; nothing while the site is not set
// (blank) or is not a web address: only http and https are loaded, a site
// written without them ("site.fr", "site.fr:8080") is taken as http, and any
// other scheme (javascript:, file:, data:) gives nothing. Blanks around the
// site and slashes closing it are dropped, so "http://site/" and
// "http://site" give the same page.
std::optional<std::string> SiteAddress(std::string_view site, std::string_view path);

}  // namespace kmb
