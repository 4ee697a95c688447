#include "core/cluster/KmbReference.h"

#include "core/cluster/CaselessSearch.h"
#include "core/log/Cp1252Case.h"
#include "core/log/FrenchDepartment.h"

namespace kmb {
namespace {

constexpr std::size_t kReferenceLength = 5;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The reference at the start of `text`, lower-cased, or empty.
std::string ReferenceAt(std::string_view text) {
  if (text.size() < kReferenceLength) return {};
  std::string reference = LowerCp1252(text.substr(0, kReferenceLength));
  const bool ended = text.size() == kReferenceLength || !IsDigit(text[kReferenceLength]);
  return ended && IsStoredReference(reference) ? reference : std::string();
}

bool IsSeparator(char c) { return c == ' ' || c == '-' || c == ':' || c == '/'; }

}  // namespace

bool IsStoredReference(std::string_view reference) {
  return reference.size() == kReferenceLength && IsFrenchDepartment(reference.substr(0, 2)) && IsDigit(reference[2]) &&
         IsDigit(reference[3]) && IsDigit(reference[4]);
}

std::string KmbReference(std::string_view comment) {
  constexpr std::string_view kKmb = "kmb";
  for (std::size_t at = FindCaseless(comment, kKmb); at != std::string_view::npos;
       at = FindCaseless(comment, kKmb, at + 1)) {
    std::string_view after = comment.substr(at + kKmb.size());
    std::string reference = ReferenceAt(after);
    if (reference.empty() && !after.empty() && IsSeparator(after.front())) reference = ReferenceAt(after.substr(1));
    if (!reference.empty()) return reference;
  }
  return {};
}

}  // namespace kmb
