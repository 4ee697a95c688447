#pragma once
// A radio reached through Hamlib: one handle, opened, read and tuned by the
// one thread that owns it. Every failure comes back in French words.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/radio/RadioReading.h"

struct s_rig;

namespace kmb {

// Hamlib's model of a radio that answers over the network like rigctld.
inline constexpr int kNetworkRadioModel = 2;

// What the operator set up: Hamlib's model number (0: no radio), the port
// (a serial device, or "hôte:port" for a network model) and the speed in
// bauds (0: the model's own).
struct RadioSetup {
  int model = 0;
  std::string port;
  int speed = 0;
};

struct RadioModel {
  int number;
  std::string maker;
  std::string name;
};

// Every model Hamlib knows, sorted by maker then model.
std::vector<RadioModel> RadioModels();

// What one request to the radio gave: its answer, or why there is none.
struct RadioAnswer {
  RadioReading reading;
  std::string failure;  // empty when the radio answered
};

class HamlibRadio {
 public:
  // Opens the radio; failure() tells why when it cannot be reached.
  explicit HamlibRadio(const RadioSetup& setup);
  ~HamlibRadio();
  HamlibRadio(const HamlibRadio&) = delete;
  HamlibRadio& operator=(const HamlibRadio&) = delete;

  const std::string& failure() const { return failure_; }
  RadioAnswer read();
  // Sets the frequency, then the mode unless `radioMode` is empty; why not, or none.
  std::optional<std::string> tune(double hertz, const std::string& radioMode);

 private:
  struct Closer {
    void operator()(s_rig* rig) const;
  };
  std::unique_ptr<s_rig, Closer> rig_;
  std::string failure_;
};

}  // namespace kmb
