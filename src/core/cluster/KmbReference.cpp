#include "core/cluster/KmbReference.h"

#include <cctype>

#include "core/log/FrenchDepartment.h"

namespace kmb {
namespace {

constexpr std::size_t kReferenceLength = 5;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

// The reference at the start of `text`, lower-cased, or empty.
std::string ReferenceAt(std::string_view text) {
  if (text.size() < kReferenceLength) return {};
  std::string reference;
  for (std::size_t i = 0; i < kReferenceLength; ++i) reference.push_back(Lower(text[i]));
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
  for (std::size_t at = 0; at + 3 <= comment.size(); ++at) {
    if (Lower(comment[at]) != 'k' || Lower(comment[at + 1]) != 'm' || Lower(comment[at + 2]) != 'b') continue;
    std::string_view after = comment.substr(at + 3);
    std::string reference = ReferenceAt(after);
    if (reference.empty() && !after.empty() && IsSeparator(after.front())) reference = ReferenceAt(after.substr(1));
    if (!reference.empty()) return reference;
  }
  return {};
}

}  // namespace kmb
