#pragma once
// The words of the main window's radio status line.
#include <string>
#include <string_view>

#include "core/radio/HamlibRadio.h"
#include "core/radio/RadioReading.h"

namespace kmb {

inline constexpr std::string_view kRadioNotSetUp = "Radio : non configurée";
inline constexpr std::string_view kRadioConnecting = "Radio : connexion…";

// "14,0740 MHz USB", or why the entry does not follow it.
std::string DescribeReading(const RadioReading& reading);
// "Radio : 14,0740 MHz USB".
std::string ReadingStatus(const RadioReading& reading);

// A frequency the radio did not go to: "Radio : pas réglée sur 3,5550 MHz
// (valeur refusée par la radio)".
std::string TuneRefusalStatus(double hertz, std::string_view cause);

// What "Tester" says of one answer: "La radio répond : 14,0740 MHz USB." or
// "Échec de l'essai : la radio ne répond pas."
std::string TestReport(const RadioAnswer& answer);

// The failure and the next try: "connexion perdue" once the radio had
// answered, else why it could not be reached.
std::string RetryStatus(bool hadAnswered, std::string_view cause, int secondsLeft);

// The delay before the next try after `failures` failed ones in a row:
// 1, 2, 4… up to 30 seconds.
int RetryDelaySeconds(int failures);

}  // namespace kmb
