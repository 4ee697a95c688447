#pragma once
// The award windows' way to the log: read afresh each time, and a log that
// cannot be read is told to the operator and read as empty.
#include "core/log/LogFile.h"
#include "ui/kit/AppContext.h"
#include "ui/kit/LogbookView.h"

class QWidget;

kmb::Lines ReadStationLog(AppContext& context, const LogbookView& logbook, QWidget* window);
