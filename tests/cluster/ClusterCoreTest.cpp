#include <gtest/gtest.h>

#include <map>
#include <string>

#include "core/cluster/ClusterLogin.h"
#include "core/cluster/ClusterSetup.h"
#include "core/cluster/KmbReference.h"
#include "core/cluster/ReconnectSchedule.h"
#include "core/cluster/SpotAnnounce.h"
#include "core/cluster/SpotTable.h"
#include "core/cluster/SpotsOnAir.h"
#include "core/cluster/TelnetLines.h"
#include "core/cluster/WorkedReferences.h"
#include "core/log/Bands.h"
#include "core/log/LogLine.h"

using namespace std::literals;

namespace {

std::string Joined(const std::vector<std::string>& lines) {
  std::string all;
  for (const std::string& line : lines) all += "[" + line + "]";
  return all;
}

kmb::Spot SpotOf(const std::string& line) {
  const auto spot = kmb::ParseSpotLine(line);
  if (!spot) ADD_FAILURE() << line;
  return spot.value_or(kmb::Spot{});
}

}  // namespace

TEST(TelnetLineReader, DropsOptionsBellAndEscapesEndsLinesEveryWayAndCutsLongOnes) {
  kmb::TelnetLineReader reader;
  EXPECT_EQ(Joined(reader.feed("\xff\xfb\x01\xff\xfa\x18\x01\xff\xf0\x1b[1;31mred\x1b[0m\a\r\nb\x1b"
                               "c\xff\xff")),
            "[red]");
  EXPECT_EQ(Joined(reader.feed("\r")), "[b\xff]");
  EXPECT_EQ(Joined(reader.feed("\nc\nd\r\0e\r\n\r\n"sv)), "[c][d][e][]");
  EXPECT_EQ(Joined(reader.feed("login: ")), "");
  EXPECT_EQ(reader.partial(), "login: ");
  reader.feed("\n");
  const std::vector<std::string> cut = reader.feed(std::string(5000, 'x') + "\r\nnext\n");
  ASSERT_EQ(cut.size(), 2u);
  EXPECT_EQ(cut[0], std::string(kmb::kMaxNodeLineLength, 'x'));
  EXPECT_EQ(cut[1], "next");
}

TEST(KmbReference, ReadsTheReferenceAfterKmbInItsStoredForm) {
  const std::pair<const char*, const char*> cases[] = {
      {"KMB 89001", "89001"},
      {"kmb-2b001 lavoir", "2b001"},
      {"KMB:75012", "75012"},
      {"QRV KMB/2A123 tnx", "2a123"},
      {"KMB89001", "89001"},
      {"lavoir de Sens kmb 01001!", "01001"},
      {"KMB 123", ""},
      {"KMB  89001", ""},
      {"KMB 96001", ""},
      {"KMB 00001", ""},
      {"KMB 890012", ""},
      {"KMB 2C001", ""},
      {"KM 89001 KMB 77001", "77001"},
      {"89001", ""},
      {"KMB 89-001", ""},
  };
  for (const auto& [comment, reference] : cases) EXPECT_EQ(kmb::KmbReference(comment), reference) << comment;
}

// An ADIF value that is a reference: "KMB" may be left out, the department parted from its digits.
TEST(KmbReference, ReadsAValueThatIsAReference) {
  const std::pair<const char*, const char*> cases[] = {
      {"KMB-89001", "89001"},  {"KMB89001", "89001"},
      {"kmb 89001", "89001"},  {"89-001", "89001"},
      {"89 001", "89001"},     {"89001", "89001"},
      {"2A-012", "2a012"},     {"2b012", "2b012"},
      {"KMB 89-001", "89001"}, {"89001 Lavoir du pont", "89001"},
  };
  for (const auto& [value, reference] : cases) EXPECT_EQ(kmb::KmbReferenceOfValue(value), reference) << value;
  for (const char* value : {"00000", "96001", "99001", "089001", "890012", "89--001", "KMB", "Lavoir 89001", ""})
    EXPECT_EQ(kmb::KmbReferenceOfValue(value), "") << value;
}

TEST(SpotLine, ReadsLiveAndListingLinesAndNothingElse) {
  const kmb::Spot live = SpotOf("DX de F5ABC-#:    14025.0  f4kmb/p      KMB 89001 lavoir cw   1234Z JN18");
  EXPECT_EQ(live.spotter, "F5ABC-#");
  EXPECT_DOUBLE_EQ(live.kHz, 14025.0);
  EXPECT_EQ(live.call, "F4KMB/P");
  EXPECT_EQ(live.comment, "KMB 89001 lavoir cw");
  EXPECT_EQ(live.mode, "CW");
  EXPECT_EQ(live.hour * 100 + live.minute, 1234);
  EXPECT_FALSE(live.day);
  const kmb::Spot listed = SpotOf("  7010.5  F1XYZ       5-Dec-2026 2359Z kmb-2b001 USB     <f6def>");
  EXPECT_EQ(listed.spotter, "F6DEF");
  EXPECT_EQ(listed.comment, "kmb-2b001 USB");
  EXPECT_EQ(listed.mode, "SSB");
  ASSERT_TRUE(listed.day);
  EXPECT_EQ(listed.day->year * 10000 + listed.day->month * 100 + listed.day->day, 20261205);
  for (const char* line :
       {"DX de F5ABC: 14025.0 F4KMB KMB 89001", "DX de F5ABC: abc F4KMB x 1234Z", "DX de : 14025.0 F4KMB x 1234Z",
        "  7010.5 F1XYZ 5-Dec-2026 2460Z x <F6DEF>", "  7010.5 F1XYZ 5-Xyz-2026 2359Z x <F6DEF>",
        "  7010.5 F1XYZ 5-Dec-2026 2359Z x<>", "DX de F5ABC: 14025.0 F4KMB KMB x234Z", "F4ABC de NODE-1 >", ""})
    EXPECT_FALSE(kmb::ParseSpotLine(line)) << line;
}

TEST(SpotLine, ReadsCommentsThatTouchTheTimeOrTheSpotterAndCommentsInUtf8) {
  const struct {
    const char* line;
    const char* spotter;
    const char* comment;
    const char* mode;
    int time;
  } cases[] = {
      {"DX de f5aaa:     14025.0  F4KMB/P      KMB 62001 lavoir de Sens CW 591328Z JN18", "F5AAA",
       "KMB 62001 lavoir de Sens CW 59", "CW", 1328},
      {" 14040.0  F6ABC       05-Dec-2026 0855Z tres bon signal KMB 75012 merci<F5BBB>", "F5BBB",
       "tres bon signal KMB 75012 merci", "", 855},
      {"DX de F5AAA: 144300.0 F4KMB KMB 89001 fontaine Sainte-H\xC3\xA9l\xC3\xA8ne fm 0001Z", "F5AAA",
       "KMB 89001 fontaine Sainte-H\xE9l\xE8ne fm", "FM", 1},
      {"DX de F5AAA: 144300.0 F4KMB Sainte-H\xE9l\xE8ne 2359z", "F5AAA", "Sainte-H\xE9l\xE8ne", "", 2359},
  };
  for (const auto& c : cases) {
    const kmb::Spot spot = SpotOf(c.line);
    EXPECT_EQ(spot.spotter, c.spotter) << c.line;
    EXPECT_EQ(spot.comment, c.comment) << c.line;
    EXPECT_EQ(spot.mode, c.mode) << c.line;
    EXPECT_EQ(spot.hour * 100 + spot.minute, c.time) << c.line;
  }
}

// A spot without a date is placed on the latest day on which it is at most an hour after the clock.
TEST(SpotTime, PlacesALiveSpotOnYesterdayTodayOrTomorrow) {
  const struct {
    kmb::ClockReading now;
    int hour, minute;
    kmb::Minute afterNow;
  } cases[] = {
      {{2026, 12, 5, 23, 58, 0}, 0, 0, 2},     {{2026, 12, 31, 23, 58, 0}, 0, 1, 3},
      {{2026, 12, 5, 0, 10, 0}, 23, 50, -20},  {{2026, 12, 5, 12, 0, 0}, 13, 0, 60},
      {{2026, 12, 5, 12, 0, 0}, 13, 1, -1379}, {{2026, 12, 5, 23, 0, 0}, 0, 0, 60},
  };
  for (const auto& c : cases) {
    const kmb::Spot spot{"F5AAA", 14025, "F4KMB", "", "", c.hour, c.minute, std::nullopt};
    EXPECT_EQ(kmb::SpotMinute(spot, c.now), kmb::MinuteOf(c.now) + c.afterNow) << c.hour << ":" << c.minute;
  }
}

// Minutes from the first spot; the table is asked at the time of the last one.
TEST(SpotTable, MergesWithinFifteenMinutesKeepsTwoHoursAndFiveHundredRows) {
  const kmb::ClockReading noon{2026, 12, 5, 12, 0, 0};
  const kmb::Minute now = kmb::MinuteOf(noon);
  kmb::SpotTable table;
  const auto add = [&](const char* spotter, double kHz, const char* call, const char* comment, kmb::Minute ago) {
    kmb::Spot spot{spotter, kHz, call, comment, "", 0, 0, std::nullopt};
    return table.add(spot, now - ago, now);
  };
  EXPECT_TRUE(add("F5AAA", 14025, "F4KMB", "KMB 89001", 30));
  EXPECT_TRUE(add("F5BBB", 14026, "F4KMB", "kmb-89001", 16));  // 14 minutes later: the same row
  EXPECT_TRUE(add("F5AAA", 14027, "F4KMB", "KMB 89001", 0));   // 16 minutes later: a row of its own
  EXPECT_TRUE(add("F5AAA", 7010, "F4KMB", "KMB 89001", 1));    // another band
  EXPECT_FALSE(add("F5AAA", 5360, "F4KMB", "KMB 89001", 1));   // no band
  EXPECT_FALSE(add("F5AAA", 14025, "F4OLD", "KMB 89001", 121));
  ASSERT_EQ(table.rows().size(), 3u);
  EXPECT_EQ(table.rows()[0].kHz, 14027);
  EXPECT_EQ(table.rows()[1].band, "7.0 Mhz");
  EXPECT_EQ(table.rows()[2].kHz, 14026);
  EXPECT_EQ(table.rows()[2].spotters, (std::vector<std::string>{"F5AAA", "F5BBB"}));
  EXPECT_FALSE(table.expire(now + 90));
  EXPECT_TRUE(table.expire(now + 105));
  EXPECT_EQ(table.rows().size(), 2u);
  // Over 500 rows, the oldest spot without a reference leaves before any wash-house.
  add("F5AAA", 14074, "DL1OLD", "FT8", 50);
  for (int n = 0; n < 500; ++n) add("F5AAA", 14025, ("F" + std::to_string(n)).c_str(), "KMB 89001", 40);
  EXPECT_EQ(table.rows().size(), kmb::SpotTable::kMaxRows);
  EXPECT_TRUE(
      std::none_of(table.rows().begin(), table.rows().end(), [](const kmb::SpotRow& r) { return r.call == "DL1OLD"; }));
}

TEST(SpotTable, ListsNewestFirstWithinAMinuteKeepsEachRowsIdAndTheNewestOfABurst) {
  const kmb::Minute now = kmb::MinuteOf({2026, 12, 5, 12, 0, 0});
  kmb::SpotTable table;
  const auto add = [&](const std::string& call, kmb::Minute when, bool listed) {
    kmb::Spot spot{"F5AAA", 14025, call, "KMB 89001", "", 0, 0, std::nullopt};
    if (listed) spot.day = kmb::SpotDay{2026, 12, 5};
    table.add(spot, when, now);
  };
  const auto calls = [&] {
    std::string all;
    for (const kmb::SpotRow& row : table.rows()) all += row.call + " ";
    return all;
  };
  const auto ids = [&] {
    std::map<std::uint64_t, std::string> callOf;
    for (const kmb::SpotRow& row : table.rows()) callOf[row.id] = row.call;
    return callOf;
  };
  for (const char* call : {"F1A", "F1B"}) add(call, now, false);
  for (const char* call : {"F1C", "F1D"}) add(call, now, true);
  EXPECT_EQ(calls(), "F1B F1A F1C F1D ");
  const auto idsBefore = ids();
  EXPECT_EQ(idsBefore.size(), 4u);  // one id a row
  add("F1A", now, false);           // merged, and the newest again
  EXPECT_EQ(calls(), "F1A F1B F1C F1D ");
  EXPECT_EQ(ids(), idsBefore);
  // 10,000 spots in 20 minutes, in the order they came: the last 500 stay, the last one on top.
  constexpr int kBurst = 10000;
  for (int n = 0; n < kBurst; ++n) add("B" + std::to_string(n), now - 19 + n * 20 / kBurst, false);
  std::string newest;
  for (int n = kBurst - 1; n >= kBurst - int(kmb::SpotTable::kMaxRows); --n) newest += "B" + std::to_string(n) + " ";
  EXPECT_EQ(calls(), newest);
}

TEST(WorkedReferences, TellsNewLavoirNewBandAndAlreadyWorkedAsTheEntryDoes) {
  const kmb::Lines log{
      kmb::FormatLogLine({"F4KMB", "89", "", "89001", "05/12/26", "09:07", "SSB", "14 Mhz", "59", "59", "", false}),
      kmb::FormatLogLine({"F1AAA", "2b", "", "2b001", "05/12/26", "09:07", "SSB", "7.0 Mhz", "59", "59", "", false})};
  const kmb::WorkedReferences worked(log);
  EXPECT_EQ(worked.stateOf("89001", "14 Mhz"), kmb::ReferenceState::AlreadyWorked);
  EXPECT_EQ(worked.stateOf("89001", "7.0 Mhz"), kmb::ReferenceState::NewOnBand);
  EXPECT_EQ(worked.stateOf("2b001", "7.0 Mhz"), kmb::ReferenceState::AlreadyWorked);
  EXPECT_EQ(worked.stateOf("2B001", "7.0 Mhz"), kmb::ReferenceState::NewLavoir);  // compared in stored form
  EXPECT_EQ(worked.stateOf("", "14 Mhz"), kmb::ReferenceState::NoReference);
}

TEST(ReconnectSchedule, GrowsToSixtySecondsAndNeverTriesMoreThanThreeTimesAMinute) {
  kmb::ReconnectSchedule schedule;
  long long now = 0;
  std::vector<long long> delays;
  for (int loss = 0; loss < 6; ++loss) {  // each try accepted, then lost 100 ms after it starts
    delays.push_back(schedule.delayAfterLoss(now));
    now += delays.back();
    schedule.tryingAt(now);
    schedule.connectedAt(now);
    now += 100;
  }
  EXPECT_EQ(delays, (std::vector<long long>{5000, 10000, 20000, 40000, 60000, 60000}));
  schedule.connectedAt(now);
  EXPECT_EQ(schedule.delayAfterLoss(now + 59999), 60000);
  now += 2 * 60000;
  schedule.connectedAt(now);
  EXPECT_EQ(schedule.delayAfterLoss(now + 60000), 5000);  // a minute connected: working again
  EXPECT_EQ(schedule.delayAfterLoss(now + 65000), 10000);
  // Connections lost as soon as made: the fourth try waits for the first to be a minute old.
  kmb::ReconnectSchedule quick(50);
  for (const long long at : {0, 100, 200}) {
    quick.tryingAt(at);
    quick.connectedAt(at);
  }
  EXPECT_EQ(quick.delayAfterLoss(250), 600 - 250);
}

// The node's words and what the program answers: L a complete line, P a line begun, S silence.
TEST(ClusterLogin, SendsTheCallWhenAskedThenTheRecentSpotsOnceTheNodeIsReadyNeverToAQuestion) {
  const std::string call = "F4ABC/P\r\n", request(kmb::kRecentSpotsRequest);
  const std::string spot = "DX de F5AAA:  14025.0  F4KMB  KMB 89001  1234Z";
  const std::vector<std::vector<std::pair<std::string, std::string>>> talks = {
      {{"LWelcome to the node", ""},
       {"PPlease enter your call: ", call},
       {"PPlease enter your name: ", ""},
       {"S", ""},
       {"LHello F4ABC/P", ""},
       {"S", request},
       {"S", ""},
       {"L" + spot, ""}},
      {{"LLOGIN:", call}, {"LHello", ""}, {"PF4ABC/P de NODE-2 12-Mar-2024 1234Z dxspider >  ", request}},
      {{"S", call}, {"PYour locator? ", ""}, {"L" + spot, request}, {"PF4ABC/P de NODE-2 >", ""}},
      {{"PYour call: ", call}, {"LF4ABC/P de NODE-2 >", request}},
      {{"S", call}, {"S", request}},
  };
  for (const auto& talk : talks) {
    kmb::ClusterLogin login("F4ABC/P");
    std::string heard;
    for (const auto& [said, sent] : talk) {
      const std::string text = said.substr(1);
      heard += said;
      EXPECT_EQ(said[0] == 'L'   ? login.onLine(text)
                : said[0] == 'P' ? login.onPartial(text)
                                 : login.onSilence(),
                sent)
          << heard;
    }
    EXPECT_TRUE(login.loggedIn()) << heard;
  }
}

TEST(ClusterSetup, ReadsTheNodeAndWritesTheAnnounce) {
  EXPECT_EQ(kmb::ParseNodeAddress("dxc.exemple.fr:7300")->host, "dxc.exemple.fr");
  EXPECT_EQ(kmb::ParseNodeAddress("[::1]:23")->port, 23);
  for (const char* refused : {"dxc.exemple.fr", "dxc:0", "dxc:65536", "dxc :7300", ":7300", "::1:23", "dxc:7x"})
    EXPECT_FALSE(kmb::ParseNodeAddress(refused)) << refused;
  EXPECT_TRUE(kmb::IsClusterCall("F4ABC-2"));
  EXPECT_FALSE(kmb::IsClusterCall("F4 ABC"));
  EXPECT_EQ(kmb::AnnounceKilohertz(" 14025,5"), 14025.5);
  EXPECT_EQ(kmb::AnnounceKilohertz("144300"), 144300);
  for (const char* refused : {"5360", "432200"}) EXPECT_FALSE(kmb::AnnounceKilohertz(refused)) << refused;
  EXPECT_FALSE(kmb::AnnounceKilohertz("14025 kHz"));
  EXPECT_EQ(kmb::AnnounceComment("89001", "  LAVOIR DE SENS "), "KMB 89001 LAVOIR DE SENS");
  EXPECT_EQ(kmb::AnnounceLine(14025, "F4KMB/P", "KMB 89001\r\nDX 1 X"), "DX 14025.0 F4KMB/P KMB 89001DX 1 X\r\n");
}

// What the watch tells beyond the list: new lavoirs of the last 15 minutes by department and band group, their
// age, one announcement an hour for a lavoir on a band, the node's last 200 messages.
TEST(SpotsOnAir, NewLavoirsOfTheLastFifteenMinutesAnnouncedOnceAnHour) {
  const kmb::WorkedReferences worked(
      {kmb::FormatLogLine({"F1AAA", "89", "", "89001", "05/12/26", "09:00", "SSB", "14 Mhz", "59", "59", "", false})});
  kmb::SpotTable table;
  const kmb::Minute now = 1000;
  for (const auto& [line, age] : {std::pair{"DX de F5A: 14025.0 F4AAA KMB 89001 0900Z", 1},  // contacted on 14
                                  {"DX de F5A: 7025.0 F4BBB KMB 89001 0900Z", 2},            // new on 7
                                  {"DX de F5A: 144300.0 F4CCC KMB 2A001 0900Z", 14},         // new, VHF
                                  {"DX de F5A: 14030.0 F4DDD KMB 21001 0900Z", 15},          // too old
                                  {"DX de F5A: 14035.0 F4EEE 0900Z", 0}})                    // no lavoir
    table.add(SpotOf(line), now - age, now);
  std::vector<std::string> onAir;
  for (const kmb::SpotRow* row : kmb::NewOnAir(table.rows(), worked, now)) onAir.push_back(row->call);
  EXPECT_EQ(onAir, (std::vector<std::string>{"F4BBB", "F4CCC"}));
  EXPECT_EQ(kmb::DepartmentsOnAir(table.rows(), worked, now, kmb::kHf), (std::map<std::string, int>{{"89", 1}}));
  EXPECT_EQ(kmb::DepartmentsOnAir(table.rows(), worked, now, kmb::kVhf), (std::map<std::string, int>{{"2a", 1}}));
  EXPECT_TRUE(kmb::DepartmentsOnAir(table.rows(), worked, now + 15, kmb::kHf).empty());
  EXPECT_EQ(kmb::SpotAge(now, now) + "|" + kmb::SpotAge(now - 3, now) + "|" + kmb::SpotAge(now - 65, now),
            "à l'instant|il y a 3 min|il y a 1 h 05");

  kmb::AnnouncedLavoirs announced;
  EXPECT_TRUE(announced.firstInTheHour("89001", "7.0 Mhz", now));
  EXPECT_FALSE(announced.firstInTheHour("89001", "7.0 Mhz", now + 59));
  EXPECT_TRUE(announced.firstInTheHour("89001", "14 Mhz", now + 59));
  EXPECT_TRUE(announced.firstInTheHour("89001", "7.0 Mhz", now + 60));
  announced.firstInTheHour("21001", "14 Mhz", now + 120);
  EXPECT_EQ(announced.remembered(), 1u);  // the hour gone, the others are forgotten

  kmb::NodeMessages messages;
  for (int n = 0; n < 250; ++n) messages.add("message " + std::to_string(n));
  messages.add("   ");
  EXPECT_EQ(messages.lines().size(), kmb::NodeMessages::kKept);
  EXPECT_EQ(messages.lines().front() + "|" + messages.lines().back(), "message 50|message 249");
}

// Hours of spots at five a second, time given, not waited (a minute in six here; the benchmark runs a whole day):
// what the watch keeps stays the same size once two hours have passed.
TEST(SpotsOnAir, HoursOfSpotsKeepTheSameSize) {
  kmb::SpotTable table;
  kmb::AnnouncedLavoirs announced;
  const kmb::WorkedReferences worked;
  std::size_t largest[3] = {};  // in each two hours
  for (kmb::Minute minute = 0; minute < 6 * 60; minute += 6) {
    for (int n = 0; n < 5 * 60; ++n) {
      const std::string reference = std::to_string(10 + n % 85) + std::to_string(100 + (minute + n) % 900);
      table.add(SpotOf("DX de F5A: 14025.0 F4N" + std::to_string(n) + " KMB " + reference + " 0900Z"), minute, minute);
    }
    table.expire(minute);
    for (const kmb::SpotRow* row : kmb::NewOnAir(table.rows(), worked, minute))
      announced.firstInTheHour(row->reference, row->band, minute);
    std::size_t& kept = largest[minute / 120];
    kept = std::max(kept, table.rows().size() + announced.remembered());
  }
  EXPECT_LE(largest[2], largest[1]);
  EXPECT_LE(table.rows().size(), kmb::SpotTable::kMaxRows);
}
