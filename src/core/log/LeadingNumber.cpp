#include "core/log/LeadingNumber.h"

#include <cstdlib>
#include <string>

#include "core/log/FixedColumns.h"

namespace kmb {
namespace {

std::size_t SkipDigits(std::string_view t, std::size_t i) {
  while (i < t.size() && IsDigit(t[i])) ++i;
  return i;
}

}  // namespace

double LeadingNumber(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  std::string number;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) number += text[i++];
  const std::size_t intStart = i;
  i = SkipDigits(text, i);
  number.append(text.substr(intStart, i - intStart));
  bool anyDigit = i > intStart;
  if (i < text.size() && text[i] == '.') {
    const std::size_t fracStart = ++i;
    i = SkipDigits(text, i);
    number += '.';
    number.append(text.substr(fracStart, i - fracStart));
    anyDigit = anyDigit || i > fracStart;
  }
  if (!anyDigit) return 0.0;
  if (i < text.size() && (text[i] == 'E' || text[i] == 'e' || text[i] == 'D' || text[i] == 'd')) {
    std::size_t j = i + 1;
    std::string exponent = "e";
    if (j < text.size() && (text[j] == '+' || text[j] == '-')) exponent += text[j++];
    const std::size_t expStart = j;
    j = SkipDigits(text, j);
    if (j > expStart) number += exponent + std::string(text.substr(expStart, j - expStart));
  }
  return std::strtod(number.c_str(), nullptr);
}

long LeadingDigits(std::string_view text) {
  long value = 0;
  for (char c : text) {
    if (!IsDigit(c)) break;
    if (value > 1'000'000) return value;  // far beyond any department; stop growing
    value = value * 10 + (c - '0');
  }
  return value;
}

}  // namespace kmb
