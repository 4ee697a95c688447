#include "web/SiteAddress.h"

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
  return std::string(base) + std::string(path);
}

}  // namespace kmb
