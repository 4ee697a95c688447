#pragma once
// What the windows may ask of the radio the main window reads: where it
// listens, to go where a station is heard, and to try a setup.
#include <QString>
#include <functional>
#include <optional>

#include "core/radio/HamlibRadio.h"

class QObject;

class RadioControl {
 public:
  // Whether the operator set a radio up in Préférences.
  virtual bool inUse() const = 0;
  // The frequency the radio last gave, in hertz; none without a sensible answer.
  virtual std::optional<double> frequencyHz() const = 0;
  // Asks the radio to go to `hertz` in the entry's `mode` ("SSB", "CW",
  // "FM", "AM"; empty keeps the radio's mode). The reason in French when it
  // cannot be asked (no radio connected); a radio that then refuses it has
  // `refused` called with its reason, while `asker` lives.
  virtual std::optional<QString> tune(double hertz, const QString& mode, QObject* asker,
                                      std::function<void(const QString&)> refused) = 0;
  // Connects again with the setup just stored.
  virtual void useStoredSetup() = 0;
  // Tries to connect at once instead of waiting for the next try.
  virtual void reconnect() = 0;
  // "Tester": asks `setup` once, through the connection already open when it
  // is the same radio, never a second one on its port; `report` gets what it
  // said in French, while `asker` lives, unless cancelTest() came first.
  virtual void test(const kmb::RadioSetup& setup, QObject* asker, std::function<void(const QString&)> report) = 0;
  virtual void cancelTest() = 0;

 protected:
  ~RadioControl() = default;
};
