#pragma once
// What the windows may ask of the radio the main window reads: where it
// listens, and to go where a station is heard.
#include <QString>
#include <optional>

class RadioControl {
 public:
  // The frequency the radio last gave, in hertz; none without a radio.
  virtual std::optional<double> frequencyHz() const = 0;
  // Asks the radio to go to `hertz` in the entry's `mode` ("SSB", "CW",
  // "FM", "AM"; empty keeps the radio's mode). The reason in French when it
  // cannot be asked (no radio connected); the radio then says the result.
  virtual std::optional<QString> tune(double hertz, const QString& mode) = 0;
  // Connects again with the setup just stored.
  virtual void useStoredSetup() = 0;

 protected:
  ~RadioControl() = default;
};
