#include "award/ContactedList.h"

#include <algorithm>
#include <cstdio>

#include "log/Cp1252Case.h"
#include "log/LogLine.h"

namespace kmb {
namespace {

constexpr std::string_view kAuthorLine = "ORX_KMB - carnet de trafic du Diplome Kembaro";
constexpr std::string_view kSavedHeader = "   N\xB0   Ref        Nom du Lavoir                Date    Indicatif    QSL";
constexpr std::string_view kPrintedHeader =
    "        N\xB0  Ref         Nom du Lavoir               Date   Indicatif     QSL";

std::string TwoDigits(int value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02d", value % 100);
  return text;
}

std::string FullDate(const ClockReading& today) {
  char text[16];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d", today.day, today.month, today.year);
  return text;
}

Bytes Title(std::string_view storedCall, std::string_view group, const ClockReading& today) {
  return Bytes(storedCall) + " Liste alphanumerique des Lavoirs contact\xE9s bande " + Bytes(group) + " au " +
         FullDate(today);
}

// The list box sorted its lines without regard to case.
void SortLikeTheListBox(Lines& lines) {
  std::vector<std::pair<Bytes, Bytes>> keyed;
  keyed.reserve(lines.size());
  for (Bytes& line : lines) keyed.emplace_back(UpperCp1252(line), std::move(line));
  std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t n = 0; n < lines.size(); ++n) lines[n] = std::move(keyed[n].second);
}

}  // namespace

Bytes ContactedListLine(std::string_view logLine) {
  return " " + log_columns::Ref(logLine) + "  " + log_columns::NomLavoir(logLine) + "  " +
         log_columns::Date(logLine) + "  " + log_columns::Indicatif(logLine) + "  " + Column(logLine, 107, 1);
}

ContactedList ListContacted(const Lines& log, std::string_view group) {
  ContactedList list;
  if (group.empty()) return list;
  for (const Bytes& line : log) {
    if (BandGroup(log_columns::Bande(line)) != group) continue;
    list.lines.push_back(ContactedListLine(line));
    if (IsConfirmed(log_columns::Qsl(line))) ++list.confirmed;
  }
  list.listed = static_cast<int>(list.lines.size());
  SortLikeTheListBox(list.lines);
  return list;
}

Bytes NumberedLine(std::size_t number, std::string_view listLine) {
  char text[24];
  std::snprintf(text, sizeof text, "%5zu ", number);
  return text + Bytes(listLine);
}

Bytes SavedListFileName(std::string_view storedCall, std::string_view group, const ClockReading& today) {
  return Bytes(storedCall) + "_Liste_Lavoirs_Bande_" + Bytes(group) + "_" + TwoDigits(today.day) + "_" +
         TwoDigits(today.month) + "_" + TwoDigits(today.year) + ".txt";
}

Bytes SavedListContent(std::string_view storedCall, std::string_view group, const ClockReading& today,
                       const Lines& listLines) {
  Lines file{" " + Title(storedCall, group, today), "", Bytes(kSavedHeader), ""};
  file.reserve(listLines.size() + 6);
  for (std::size_t n = 0; n < listLines.size(); ++n) file.push_back(NumberedLine(n + 1, listLines[n]));
  file.emplace_back();
  file.push_back(Bytes(24, ' ') + Bytes(kAuthorLine));
  return JoinLines(file);
}

Lines PrintedListLines(std::string_view storedCall, std::string_view group, const ClockReading& today,
                       const Lines& listLines) {
  Lines page{"     " + Title(storedCall, group, today), "", Bytes(kPrintedHeader), ""};
  page.reserve(listLines.size() + 7);
  for (std::size_t n = 0; n < listLines.size(); ++n) page.push_back("    " + NumberedLine(n + 1, listLines[n]));
  page.emplace_back();
  page.emplace_back();
  page.push_back(Bytes(21, ' ') + Bytes(kAuthorLine));
  return page;
}

}  // namespace kmb
