#include "core/cluster/KmbReference.h"

#include "core/cluster/CaselessSearch.h"
#include "core/log/Cp1252Case.h"
#include "core/log/FrenchDepartment.h"

namespace kmb {
namespace {

constexpr std::size_t kReferenceLength = 5;
constexpr std::string_view kKmb = "kmb";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A comment's words are free: only a value may part "89" from "001".
enum class Form { Joined, MaybeParted };

// The reference at the start of `text`, lower-cased, or empty.
std::string ReferenceAt(std::string_view text, Form form) {
  if (text.size() < 2) return {};
  std::string_view digits = text.substr(2);
  if (form == Form::MaybeParted && !digits.empty() && (digits.front() == ' ' || digits.front() == '-'))
    digits.remove_prefix(1);
  if (digits.size() < 3) return {};
  std::string reference = LowerCp1252(text.substr(0, 2)) + std::string(digits.substr(0, 3));
  const bool ended = digits.size() == 3 || !IsDigit(digits[3]);
  return ended && IsStoredReference(reference) ? reference : std::string();
}

bool IsSeparator(char c) { return c == ' ' || c == '-' || c == ':' || c == '/'; }

// What follows "KMB": the reference, at once or after one separator.
std::string ReferenceAfterKmb(std::string_view after, Form form) {
  std::string reference = ReferenceAt(after, form);
  if (reference.empty() && !after.empty() && IsSeparator(after.front())) reference = ReferenceAt(after.substr(1), form);
  return reference;
}

}  // namespace

bool IsStoredReference(std::string_view reference) {
  return reference.size() == kReferenceLength && IsFrenchDepartment(reference.substr(0, 2)) && IsDigit(reference[2]) &&
         IsDigit(reference[3]) && IsDigit(reference[4]);
}

std::string KmbReference(std::string_view comment) {
  for (std::size_t at = FindCaseless(comment, kKmb); at != std::string_view::npos;
       at = FindCaseless(comment, kKmb, at + 1)) {
    std::string reference = ReferenceAfterKmb(comment.substr(at + kKmb.size()), Form::Joined);
    if (!reference.empty()) return reference;
  }
  return {};
}

std::string KmbReferenceOfValue(std::string_view value) {
  const bool named = LowerCp1252(value.substr(0, kKmb.size())) == kKmb;
  return named ? ReferenceAfterKmb(value.substr(kKmb.size()), Form::MaybeParted)
               : ReferenceAt(value, Form::MaybeParted);
}

}  // namespace kmb
