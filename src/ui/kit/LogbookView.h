#pragma once
// What the secondary windows see of the main window: the station in use and
// the rows of the main list, which always mirror the log file.
#include <string>
#include <vector>

#include "core/log/FixedColumns.h"

class LogbookView {
 public:
  // Stored form of the station call sign ("_" for "/"); kmb::kNoStation when none.
  virtual std::string stationCall() const = 0;
  virtual const std::vector<kmb::Bytes>& listRows() const = 0;
  // Selects a row of the main list, with the effect of the operator's click.
  virtual void selectListRow(int index) = 0;

 protected:
  ~LogbookView() = default;
};
