#include "core/reports/AdifImport.h"

#include <algorithm>
#include <charconv>
#include <set>
#include <tuple>

#include "core/cluster/KmbReference.h"
#include "core/log/Bands.h"
#include "core/log/Cp1252Case.h"
#include "core/log/Cp1252Text.h"
#include "core/log/FirstNameList.h"
#include "core/log/FixedColumns.h"
#include "core/log/FrenchDepartment.h"
#include "core/log/LogLine.h"
#include "core/log/QsoTime.h"

namespace kmb {
namespace {

bool AllDigits(std::string_view text) { return std::all_of(text.begin(), text.end(), IsDigit); }

// YYYYMMDD as jj/mm/aa; the log's two-digit years hold 1950 to 2049 only.
std::optional<Bytes> LogDate(std::string_view adif) {
  if (adif.size() != 8 || !AllDigits(adif)) return std::nullopt;
  int year = 0;
  std::from_chars(adif.data(), adif.data() + 4, year);
  if (year < 1950 || year > 2049) return std::nullopt;
  Bytes date = Bytes(adif.substr(6, 2)) + "/" + Bytes(adif.substr(4, 2)) + "/" + TwoDigits(year);
  if (!ReadQsoDate(date)) return std::nullopt;
  return date;
}

// HHMM or HHMMSS as hh:mm.
std::optional<Bytes> LogTime(std::string_view adif) {
  if ((adif.size() != 4 && adif.size() != 6) || !AllDigits(adif)) return std::nullopt;
  Bytes time = Bytes(adif.substr(0, 2)) + ":" + Bytes(adif.substr(2, 2));
  if (!ReadQsoTime(time)) return std::nullopt;
  return time;
}

}  // namespace

const Band* BandOfRecord(const AdifFields& record) {
  if (record.has("band")) return BandOfAdif(Trim(record.value("band")));
  double mhz = 0;
  Bytes freq = Trim(record.value("freq"));
  std::replace(freq.begin(), freq.end(), ',', '.');  // a decimal comma, as French settings write it
  const auto [end, error] = std::from_chars(freq.data(), freq.data() + freq.size(), mhz);
  if (freq.empty() || error != std::errc{} || end != freq.data() + freq.size()) return nullptr;
  return BandOfFrequency(mhz);
}

std::optional<Bytes> LogDateOfRecord(const AdifFields& record) { return LogDate(Trim(record.value("qso_date"))); }

std::optional<Bytes> LogTimeOfRecord(const AdifFields& record) { return LogTime(Trim(record.value("time_on"))); }

Bytes CallOfRecord(const AdifFields& record) { return UpperCp1252(Trim(record.value("call"))); }

namespace {

// The reference and the lavoir name: SIG_INFO under SIG "KMB", or, as this
// program's own export writes them, the reference in SIG and the name in SIG_INFO.
std::optional<std::pair<Bytes, Bytes>> ReferenceAndName(const AdifFields& record) {
  const std::string_view info = record.value("sig_info");
  const bool underKmb = UpperCp1252(record.value("sig")) == "KMB";
  Bytes reference = KmbReferenceOfValue(underKmb ? info : record.value("sig"));
  if (reference.empty()) return std::nullopt;
  return std::pair{std::move(reference), underKmb ? Bytes() : Bytes(info)};
}

// The value read as a reference is shown, so the operator sees how it was written.
std::string NoReference(const AdifFields& record) {
  const std::string_view info = record.value("sig_info");
  const std::string_view read = info.empty() ? record.value("sig") : info;
  std::string reason = "pas de référence KMB";
  if (!read.empty()) reason += " : \"" + Utf8FromCp1252(read) + "\"";
  return reason;
}

// USB and LSB are SSB's sidebands; a mode too long for the log's 3 columns
// gives way to a submode that fits ("MFSK" with "FT4").
Bytes ModeOfRecord(const AdifFields& record) {
  Bytes mode = UpperCp1252(Trim(record.value("mode")));
  const Bytes submode = UpperCp1252(Trim(record.value("submode")));
  if (mode.size() > kModeWidth && !submode.empty() && submode.size() <= kModeWidth) mode = submode;
  return mode == "USB" || mode == "LSB" ? "SSB" : mode;
}

// STATE holds other countries' regions too ("NY", "pa"): only a French
// department ("01" to "95", "2A", "2B") is one, in lower case as the log stores it.
Bytes DepartmentOfState(std::string_view state) {
  const Bytes code = LowerCp1252(Trim(state));
  return IsFrenchDepartment(code) ? code : Bytes();
}

std::string TooLong(const char* what, std::size_t width) {
  return std::string(what) + " de plus de " + std::to_string(width) + " caractères";
}

// What makes two QSOs the same one.
using QsoKey = std::tuple<Bytes, Bytes, Bytes, Bytes>;
QsoKey KeyOf(std::string_view line) {
  return {Trim(log_columns::Indicatif(line)), log_columns::Date(line), log_columns::Heure(line),
          Trim(log_columns::Bande(line))};
}

// Oldest QSO first, in the file's order within one minute: the latest QSO's first name is the one kept.
Lines OldestFirst(std::vector<std::pair<long long, Bytes>> dated) {
  std::stable_sort(dated.begin(), dated.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  Lines lines;
  lines.reserve(dated.size());
  for (auto& [moment, line] : dated) lines.push_back(std::move(line));
  return lines;
}

}  // namespace

RecordLine LogLineOfRecord(const AdifFields& record) {
  QsoRecord qso;
  qso.indicatif = CallOfRecord(record);
  if (qso.indicatif.empty()) return {{}, {}, "pas d'indicatif"};
  if (qso.indicatif.size() > kIndicatifWidth) return {{}, {}, TooLong("indicatif", kIndicatifWidth)};
  const auto reference = ReferenceAndName(record);
  if (!reference) return {{}, {}, NoReference(record)};
  qso.ref = reference->first;
  qso.nomLavoir = reference->second;
  const auto date = LogDateOfRecord(record);
  if (!date) return {{}, {}, "date absente ou impossible (de 1950 à 2049)"};
  qso.date = *date;
  const auto time = LogTimeOfRecord(record);
  if (!time) return {{}, {}, "heure absente ou impossible"};
  qso.heure = *time;
  const Band* band = BandOfRecord(record);
  if (!band) return {{}, {}, "bande que le log ne connaît pas"};
  qso.bande = band->label;
  qso.mode = ModeOfRecord(record);
  if (qso.mode.empty()) return {{}, {}, "pas de mode"};
  if (qso.mode.size() > kModeWidth) return {{}, {}, TooLong("mode", kModeWidth)};
  qso.rstR = Trim(record.value("rst_rcvd"));
  qso.rstE = Trim(record.value("rst_sent"));
  if (qso.rstR.size() > kRstWidth || qso.rstE.size() > kRstWidth) return {{}, {}, TooLong("report", kRstWidth)};
  qso.dpt = DepartmentOfState(record.value("state"));
  const Bytes name = UpperCp1252(Trim(record.value("name")));
  qso.prenom = name.substr(0, kPrenomWidth);
  const Bytes qsl = UpperCp1252(Trim(record.value("qsl_rcvd")));
  qso.qsl = qsl == "Y" || qsl == "V";  // V: verified, so received
  return {FormatLogLine(qso), FirstNameLine(qso.indicatif, qso.dpt, qso.prenom), {}, name.size() > kPrenomWidth};
}

ImportPlan PlanImport(const AdifFile& file, const Lines& log) {
  ImportPlan plan;
  std::set<QsoKey> known;
  for (const Bytes& line : log) known.insert(KeyOf(line));
  std::vector<std::pair<long long, Bytes>> firstNames;  // with their QSO's moment
  for (std::size_t i = 0; i < file.records.size(); ++i) {
    RecordLine converted = LogLineOfRecord(file.records[i]);
    if (!converted.refusal.empty()) {
      plan.refused.push_back({i + 1, CallOfRecord(file.records[i]), std::move(converted.refusal)});
      continue;
    }
    if (!known.insert(KeyOf(converted.line)).second) {
      plan.alreadyInLog.push_back(std::move(converted.line));
      continue;
    }
    const Bytes& line = plan.toAdd.emplace_back(std::move(converted.line));
    firstNames.emplace_back(QsoMoment(log_columns::Date(line), log_columns::Heure(line)).value_or(0),
                            std::move(converted.firstNameLine));
    if (converted.firstNameCut) ++plan.firstNamesCut;
    if (Trim(log_columns::RstR(line)).empty() || Trim(log_columns::RstE(line)).empty()) ++plan.withoutReports;
  }
  if (file.cut)
    plan.refused.push_back(
        {file.records.size() + 1, CallOfRecord(*file.cut), "enregistrement coupé par la fin du fichier"});
  plan.firstNameLines = OldestFirst(std::move(firstNames));
  return plan;
}

}  // namespace kmb
