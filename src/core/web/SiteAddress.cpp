#include "core/web/SiteAddress.h"

#include <algorithm>

#include "core/log/Cp1252Case.h"

namespace kmb {
namespace {

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return text.substr(first, last - first + 1);
}

std::string_view WithoutClosingSlashes(std::string_view site) {
  const auto last = site.find_last_not_of('/');
  return last == std::string_view::npos ? std::string_view{} : site.substr(0, last + 1);
}

// "scheme:" at the start, unless what follows the colon is a port number.
std::optional<std::string> SchemeOf(std::string_view site) {
  const auto colon = site.find(':');
  if (colon == std::string_view::npos || colon == 0) return std::nullopt;
  const std::string_view scheme = site.substr(0, colon);
  const auto schemeCharacter = [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+' || c == '-' ||
           c == '.';
  };
  if (!std::all_of(scheme.begin(), scheme.end(), schemeCharacter)) return std::nullopt;
  const bool port = colon + 1 < site.size() && site[colon + 1] >= '0' && site[colon + 1] <= '9';
  if (port && site.substr(colon + 1).find("//") == std::string_view::npos) return std::nullopt;
  return LowerCp1252(scheme);
}

bool IsBandGroup(std::string_view pageCode) { return pageCode == "HF" || pageCode == "VHF"; }

}  // namespace

std::string ClusterPath(std::string_view pageCode) {
  const std::string code(pageCode);
  if (IsBandGroup(pageCode)) return "/dxc/top_250_" + code + ".html";
  return "/dxc/top_50_" + code + "_MHz.html";
}

std::optional<std::string> SiteAddress(std::string_view site, std::string_view path) {
  const std::string_view base = WithoutClosingSlashes(Trimmed(site));
  if (base.empty()) return std::nullopt;
  const auto scheme = SchemeOf(base);
  if (!scheme) return "http://" + std::string(base) + std::string(path);
  if ((*scheme != "http" && *scheme != "https") || base.find("://") == std::string_view::npos) return std::nullopt;
  return std::string(base) + std::string(path);
}

}  // namespace kmb
