#include "ui/award/StationLog.h"

#include <QString>

#include "core/award/AwardRules.h"

kmb::Lines ReadStationLog(AppContext& context, const LogbookView& logbook, QWidget* window) {
  kmb::LinesResult log = kmb::OpenStationLog(context.files, context.programFolder, logbook.stationCall());
  if (log.error) {
    context.messages.inform(window, QString::fromStdString(kmb::IoErrorMessage(*log.error)) +
                                        QStringLiteral("\r\nAucun QSO n'a pu être lu : les résultats sont vides."));
    return {};
  }
  return std::move(log.lines);
}
