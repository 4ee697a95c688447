#include "core/award/ContactedList.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "core/log/Cp1252Case.h"
#include "core/log/LogLine.h"

namespace kmb {
namespace {

constexpr std::string_view kAuthorLine = "ORX_KMB - carnet de trafic du Diplome Kembaro";
constexpr std::string_view kSavedHeader = "   N\xB0   Ref        Nom du Lavoir                Date    Indicatif    QSL";
constexpr std::string_view kPrintedHeader =
    "        N\xB0  Ref         Nom du Lavoir               Date   Indicatif     QSL";

Bytes Title(std::string_view storedCall, std::string_view group, const ClockReading& today) {
  return Bytes(storedCall) + " Liste alphanumerique des Lavoirs contact\xE9s bande " + Bytes(group) + " au " +
         FullDateText(today);
}

// The list box sorted its lines without regard to case.
const std::array<unsigned char, 256>& UpperBytes() {
  static const std::array<unsigned char, 256> table = [] {
    std::string every(256, '\0');
    for (std::size_t c = 0; c < every.size(); ++c) every[c] = static_cast<char>(c);
    const std::string upper = UpperCp1252(every);
    std::array<unsigned char, 256> bytes{};
    for (std::size_t c = 0; c < bytes.size(); ++c) bytes[c] = static_cast<unsigned char>(upper[c]);
    return bytes;
  }();
  return table;
}

bool BeforeIgnoringCase(std::string_view a, std::string_view b) {
  const auto& upper = UpperBytes();
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    if (a[i] == b[i]) continue;  // most lines share long runs
    const unsigned char x = upper[static_cast<unsigned char>(a[i])];
    const unsigned char y = upper[static_cast<unsigned char>(b[i])];
    if (x != y) return x < y;
  }
  return a.size() < b.size();
}

// Nothing that could step out of the folder or break the name.
bool IsPlainNamePart(std::string_view text) {
  const auto control = [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; };
  return text.find_first_of("/\\:") == std::string_view::npos && text.find("..") == std::string_view::npos &&
         std::none_of(text.begin(), text.end(), control);
}

// A field of the log and where the list line shows it.
struct ListPiece {
  Field field;
  std::size_t lineFirst;
  std::string_view title;
};

constexpr std::size_t kContactedLineLength = 65;
constexpr ListPiece kListPieces[] = {
    {fields::Ref, 2, "Ref"},
    {fields::NomLavoir, 9, "Nom du Lavoir"},
    {fields::Date, 41, "Date"},
    {fields::Indicatif, 51, "Indicatif"},
    {fields::Qsl, kContactedLineLength, "QSL"},
};

// Columns of a log line without copying them; a short line gives less.
std::string_view Piece(std::string_view line, std::size_t first, std::size_t width) {
  if (first > line.size()) return {};
  return line.substr(first - 1, width);
}

}  // namespace

Bytes ContactedListLine(std::string_view logLine) {
  Bytes line;
  line.reserve(kContactedLineLength);
  std::size_t pieceEnd = 1;
  for (const ListPiece& piece : kListPieces) {
    line.append(piece.lineFirst - pieceEnd, ' ');
    line += Piece(logLine, piece.field.logFirst, piece.field.width);
    pieceEnd = piece.lineFirst + piece.field.width;
  }
  return line;
}

Bytes ContactedListTitles() {
  const auto at = [](const ListPiece& p) { return ColumnTitle{p.title, p.lineFirst, p.field.width}; };
  const auto& p = kListPieces;
  return TitleLine({at(p[0]), at(p[1]), at(p[2]), at(p[3]), at(p[4])});
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
  std::stable_sort(list.lines.begin(), list.lines.end(), BeforeIgnoringCase);
  return list;
}

Bytes NumberedLine(std::size_t number, std::string_view listLine) {
  char text[24];
  std::snprintf(text, sizeof text, "%5zu ", number);
  return text + Bytes(listLine);
}

std::optional<Bytes> SavedListFileName(std::string_view storedCall, std::string_view group, const ClockReading& today) {
  if (!IsPlainNamePart(group)) return std::nullopt;
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
