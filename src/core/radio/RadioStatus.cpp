#include "core/radio/RadioStatus.h"

#include <algorithm>

#include "core/log/FixedDecimals.h"

namespace kmb {
namespace {

constexpr int kLongestDelaySeconds = 30;

// "14,0740 MHz": four decimals, a French comma.
std::string FrenchMegahertz(double hertz) {
  std::string shown = FixedDecimals(hertz / 1e6, 4);
  std::replace(shown.begin(), shown.end(), '.', ',');
  return shown + " MHz";
}

}  // namespace

std::string DescribeReading(const RadioReading& reading) {
  if (const auto fault = ReadingFault(reading)) return "réponse incohérente (" + *fault + ")";
  const std::string frequency = FrenchMegahertz(reading.hertz);
  if (!EntryBandOfFrequency(reading.hertz)) return frequency + " hors des bandes du log";
  return reading.mode ? frequency + " " + *reading.mode : frequency;
}

std::string ReadingStatus(const RadioReading& reading) { return "Radio : " + DescribeReading(reading); }

std::string TuneRefusalStatus(double hertz, std::string_view cause) {
  return "Radio : pas réglée sur " + FrenchMegahertz(hertz) + " (" + std::string(cause) + ")";
}

std::string TestReport(const RadioAnswer& answer) {
  if (!answer.failure.empty()) return "Échec de l'essai : " + answer.failure + ".";
  return "La radio répond : " + DescribeReading(answer.reading) + ".";
}

std::string RetryStatus(bool hadAnswered, std::string_view cause, int secondsLeft) {
  const std::string next = "nouvel essai dans " + std::to_string(secondsLeft) + " s";
  if (hadAnswered) return "Radio : connexion perdue, " + next;
  return "Radio : pas de réponse (" + std::string(cause) + "), " + next;
}

int RetryDelaySeconds(int failures) {
  const int doublings = std::clamp(failures - 1, 0, 5);
  return std::min(1 << doublings, kLongestDelaySeconds);
}

}  // namespace kmb
