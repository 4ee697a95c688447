#pragma once
// What the secondary windows see of the main window: the station in use and
// the log's lines the main list shows, which always mirror the log file.
#include <string>

#include "core/log/LogFile.h"

class LogbookView {
 public:
  // Stored form of the station call sign ("_" for "/"); kmb::kNoStation when none.
  virtual std::string stationCall() const = 0;
  virtual const kmb::Lines& listedLines() const = 0;
  // Selects a row of the main list, with the effect of the operator's click.
  virtual void selectListRow(int index) = 0;

 protected:
  ~LogbookView() = default;
};
