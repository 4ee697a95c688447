// What the entry makes of the radio's answers, and Hamlib's own dummy radio.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <string>

#include "core/radio/HamlibRadio.h"
#include "core/radio/HostReach.h"
#include "core/radio/RadioStatus.h"
#include "core/radio/SerialPorts.h"
#include "support/FullListener.h"

using namespace std::chrono_literals;

namespace {

std::string EntryBand(double hertz) {
  const kmb::Band* band = kmb::EntryBandOfFrequency(hertz);
  return band ? std::string(band->label) : "";
}

TEST(RadioReading, FrequencyGivesTheEntrysBandAtItsEdges) {
  const struct {
    double hertz;
    const char* band;
  } cases[] = {{1'800'000, "1.8 Mhz"}, {1'799'999, ""},          {3'650'000, "3.5 Mhz"}, {7'074'000, "7.0 Mhz"},
               {10'136'000, "10 Mhz"}, {14'350'000, "14 Mhz"},   {14'350'001, ""},       {24'940'000, "24 Mhz"},
               {50'313'000, "50 Mhz"}, {144'300'000, "144 Mhz"}, {432'200'000, ""},      {0, ""}};
  for (const auto& c : cases) EXPECT_EQ(EntryBand(c.hertz), c.band) << c.hertz;
}

TEST(RadioReading, HamlibModesAndTheEntrysModes) {
  const struct {
    const char* radio;
    const char* entry;
  } toEntry[] = {{"USB", "SSB"}, {"LSB", "SSB"}, {"CW", "CW"},   {"CWR", "CW"}, {"FM", "FM"}, {"FMN", "FM"},
                 {"WFM", "FM"},  {"AM", "AM"},   {"PKTUSB", ""}, {"RTTY", ""},  {"usb", ""},  {"", ""}};
  for (const auto& c : toEntry) EXPECT_EQ(kmb::EntryModeOfRadio(c.radio).value_or(""), c.entry) << c.radio;

  EXPECT_EQ(kmb::RadioModeOfEntry("SSB", 7'074'000), "LSB");
  EXPECT_EQ(kmb::RadioModeOfEntry("SSB", 14'200'000), "USB");
  EXPECT_EQ(kmb::RadioModeOfEntry("CW", 7'010'000), "CW");
  EXPECT_EQ(kmb::RadioModeOfEntry("RTTY", 14'080'000), "");
}

TEST(RadioStatus, WordsOfTheStatusLineAndTheDelays) {
  EXPECT_EQ(kmb::ReadingStatus({14'074'000, "USB"}), "Radio : 14,0740 MHz USB");
  EXPECT_EQ(kmb::ReadingStatus({432'200'000, "FM"}), "Radio : 432,2000 MHz hors des bandes du log");
  EXPECT_EQ(kmb::ReadingStatus({7'074'000, std::nullopt}), "Radio : 7,0740 MHz");
  for (const kmb::RadioReading& nonsense : std::initializer_list<kmb::RadioReading>{
           {0, "USB"}, {-14e6, "USB"}, {10.5e9, "USB"}, {NAN, "USB"}, {14e6, ""}}) {
    EXPECT_TRUE(kmb::ReadingFault(nonsense)) << nonsense.hertz;
    EXPECT_TRUE(kmb::ReadingStatus(nonsense).starts_with("Radio : réponse incohérente (")) << nonsense.hertz;
  }
  EXPECT_EQ(kmb::RetryStatus(true, "la radio ne répond pas", 4), "Radio : connexion perdue, nouvel essai dans 4 s");
  EXPECT_EQ(kmb::RetryStatus(false, "la radio ne répond pas", 1),
            "Radio : pas de réponse (la radio ne répond pas), nouvel essai dans 1 s");
  const int expected[] = {1, 2, 4, 8, 16, 30, 30, 30};
  for (int failures = 1; failures <= 8; ++failures) EXPECT_EQ(kmb::RetryDelaySeconds(failures), expected[failures - 1]);
}

TEST(HamlibRadio, DummyRadioTunedThenReadAndFailuresInWords) {
  kmb::HamlibRadio dummy({1, "", 0});
  ASSERT_EQ(dummy.failure(), "");
  EXPECT_FALSE(dummy.tune(7'074'000, "LSB"));
  const kmb::RadioAnswer answer = dummy.read();
  EXPECT_EQ(answer.failure, "");
  EXPECT_EQ(answer.reading.hertz, 7'074'000);
  EXPECT_EQ(answer.reading.mode, "LSB");

  kmb::HamlibRadio unknown({999'999, "", 0});
  EXPECT_EQ(unknown.failure(), "modèle 999999 inconnu de Hamlib");
  EXPECT_EQ(unknown.read().failure, unknown.failure());
  // Nobody listens on port 1 of this machine.
  kmb::HamlibRadio nobody({kmb::kNetworkRadioModel, "127.0.0.1:1", 0});
  EXPECT_EQ(nobody.failure(), "connexion refusée par 127.0.0.1 (rigctld est-il lancé ?)");
  EXPECT_EQ(kmb::TestReport(nobody.read()),
            "Échec de l'essai : connexion refusée par 127.0.0.1 (rigctld est-il lancé ?).");
}

TEST(HostReach, EveryWaitIsBoundedAndHamlibIsGivenANumericAddress) {
  const FullListener silent;
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(kmb::ReachHost(silent.address(), 300ms).failure, "l'hôte 127.0.0.1 ne répond pas");
  const auto waited = std::chrono::steady_clock::now() - start;
  EXPECT_GE(waited, 290ms);
  EXPECT_LT(waited, 1000ms);

  const std::string port = std::to_string(LoopbackListener().port());  // closed again: nobody listens there
  EXPECT_EQ(kmb::ReachHost("127.0.0.1:" + port, 1s).failure,
            "connexion refusée par 127.0.0.1 (rigctld est-il lancé ?)");
  const LoopbackListener listening;
  const kmb::ReachedHost reached = kmb::ReachHost("localhost:" + std::to_string(listening.port()), 1s);
  EXPECT_EQ(reached.failure, "");
  EXPECT_EQ(reached.address, listening.address());
  for (const char* unreadable : {"", "127.0.0.1:0", "127.0.0.1:65536", "127.0.0.1:4532x", "[::1", "[::1]4532"})
    EXPECT_EQ(kmb::ReachHost(unreadable, 1s).failure, "adresse réseau illisible : hôte:port attendu") << unreadable;
}

TEST(HamlibRadio, EveryModelSortedByMakerThenModel) {
  const std::vector<kmb::RadioModel> models = kmb::RadioModels();
  EXPECT_GT(models.size(), 200u);
  const auto lower = [](std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
  };
  EXPECT_TRUE(std::is_sorted(models.begin(), models.end(), [&](const auto& a, const auto& b) {
    return std::pair(lower(a.maker), lower(a.name)) < std::pair(lower(b.maker), lower(b.name));
  }));
  EXPECT_TRUE(std::any_of(models.begin(), models.end(),
                          [](const auto& m) { return m.number == 1 && m.maker == "Hamlib" && m.name == "Dummy"; }));
}

TEST(SerialPorts, UsbAdaptersByTheirLastingNamesFirst) {
  const auto devices = std::filesystem::temp_directory_path() / ("kmb-devices-" + std::to_string(::getpid()));
  std::filesystem::create_directories(devices / "serial" / "by-id");
  for (const char* name : {"ttyUSB1", "ttyACM0", "ttyUSB0", "ttyS0", "tty1", "serial/by-id/usb-FTDI_FT232R-if00"})
    std::ofstream(devices / name).put('\n');
  const std::string at = devices.string() + "/";
  EXPECT_EQ(kmb::SerialPorts(devices), (std::vector<std::string>{at + "serial/by-id/usb-FTDI_FT232R-if00",
                                                                 at + "ttyACM0", at + "ttyUSB0", at + "ttyUSB1"}));
  std::filesystem::remove_all(devices);
  EXPECT_TRUE(kmb::SerialPorts(devices).empty());
}

}  // namespace
