#include "ui/award/DiplomaClaimCommand.h"

#include "core/award/DiplomaClaim.h"
#include "core/reports/DiplomaClaimAdif.h"
#include "ui/award/StationLog.h"
#include "ui/kit/FolderOffer.h"
#include "ui/kit/LinePrinter.h"
#include "ui/kit/ShownText.h"

namespace {

struct ClaimFile {
  QString name;
  kmb::Bytes bytes;
};

QString DiplomaName(const kmb::DiplomaRule& rule) { return QStringLiteral("diplôme KMB ") + FromCp1252(rule.group); }

// The PDF first: when the ADIF cannot follow it, it goes, so that a claim
// is never left without its other half.
kmb::IoStatus WriteBoth(AppContext& context, const ClaimFile& pdf, const ClaimFile& adif) {
  const auto pdfPath = context.programFolder / pdf.name.toStdString();
  if (kmb::IoStatus error = kmb::ReplaceFileAtomically(context.files, pdfPath, pdf.bytes)) return error;
  kmb::IoStatus error =
      kmb::ReplaceFileAtomically(context.files, context.programFolder / adif.name.toStdString(), adif.bytes);
  if (error) context.files.remove(pdfPath);
  return error;
}

void WriteClaim(AppContext& context, const std::string& storedCall, const kmb::DiplomaRule& rule,
                const kmb::Lines& claimed, QWidget* parent) {
  const kmb::ClockReading today = context.clock.localNow();
  const QString stem = FromCp1252(kmb::ClaimFileStem(storedCall, rule, today));
  const QByteArray pdf = LinesPdf(kmb::ClaimPageLines(storedCall, rule, today, claimed),
                                  QStringLiteral("Demande du ") + DiplomaName(rule));
  if (pdf.isEmpty()) {
    context.messages.inform(parent, QStringLiteral("La page PDF de la demande n'a pas pu être produite."));
    return;
  }
  const ClaimFile pdfFile{stem + QStringLiteral(".pdf"), pdf.toStdString()};
  const ClaimFile adifFile{stem + QStringLiteral(".adi"), kmb::DiplomaClaimAdif(storedCall, rule.group, claimed)};
  if (const kmb::IoStatus error = WriteBoth(context, pdfFile, adifFile)) {
    context.messages.inform(parent, QString::fromStdString(kmb::IoErrorMessage(*error)) +
                                        QStringLiteral("\r\nLa demande n'a pas été préparée."));
    return;
  }
  InformOfferingFolder(context, parent,
                       QStringLiteral("La demande du %1 est prête dans les fichiers :\r\n%2\r\n%3")
                               .arg(DiplomaName(rule), pdfFile.name, adifFile.name) +
                           InFolderLine(context.programFolder));
}

}  // namespace

void PrepareDiplomaClaim(AppContext& context, const LogbookView& logbook, const kmb::DiplomaRule& rule,
                         QWidget* parent) {
  const kmb::Lines claimed = kmb::ClaimedQsos(ReadStationLog(context, logbook, parent), rule);
  if (claimed.empty()) {
    context.messages.inform(
        parent, QStringLiteral("Aucun QSO confirmé ne compte encore pour le %1 : aucune demande n'a été préparée.")
                    .arg(DiplomaName(rule)));
    return;
  }
  WriteClaim(context, logbook.stationCall(), rule, claimed, parent);
}
