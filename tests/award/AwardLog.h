#pragma once
// Log lines for the award tests, built by the log's own formatter.
#include <string>

#include "core/log/LogLine.h"

namespace award_test {

struct Qso {
  std::string dpt = "89";
  std::string band = "14 Mhz";
  bool qsl = false;
  std::string ref = "89001";
  std::string call = "F1AAA";
  std::string date = "05/12/26";
  std::string name = "LAVOIR DU PONT";
};

inline kmb::Bytes Line(const Qso& q) {
  return kmb::FormatLogLine({q.call, q.dpt, "JEAN", q.ref, q.date, "09:07", "SSB", q.band, "59", "59", q.name, q.qsl});
}

inline kmb::Bytes Confirmed(std::string dpt, std::string band = "14 Mhz") {
  return Line({.dpt = std::move(dpt), .band = std::move(band), .qsl = true});
}

inline kmb::Bytes Unconfirmed(std::string dpt, std::string band = "14 Mhz") {
  return Line({.dpt = std::move(dpt), .band = std::move(band), .qsl = false});
}

}  // namespace award_test
