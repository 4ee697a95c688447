#include "core/log/FirstNameList.h"

#include <cerrno>
#include <unordered_map>
#include <unordered_set>

#include "core/log/Cp1252Case.h"

namespace kmb {
namespace {

// "call(12) dpt(2) PRENOM": columns 1-12, 14-15, then 17 to the end.
constexpr std::size_t kCallWidth = 12;
constexpr std::size_t kDptFirst = 14;
constexpr std::size_t kDptWidth = 2;
constexpr std::size_t kFirstNameFirst = 17;

std::string CallOf(std::string_view line) { return Column(line, 1, kCallWidth); }
Bytes DptOf(std::string_view line) { return Trim(Column(line, kDptFirst, kDptWidth)); }
Bytes PrenomOf(std::string_view line) { return Trim(ColumnsFrom(line, kFirstNameFirst)); }

// `known` with what `newer` gives: only a value replaces one.
Bytes Updated(const Bytes& known, std::string_view newer) {
  const Bytes dpt = DptOf(newer);
  const Bytes prenom = PrenomOf(newer);
  const bool newDpt = !dpt.empty() && dpt != DptOf(known);
  const bool newPrenom = !prenom.empty() && prenom != PrenomOf(known);
  if (!newDpt && !newPrenom) return known;
  return FirstNameLine(Trim(CallOf(known)), newDpt ? dpt : DptOf(known), newPrenom ? prenom : PrenomOf(known));
}

}  // namespace

FirstNameListRead ReadFirstNameList(FileSystem& fs, const std::filesystem::path& folder) {
  const ReadResult read = fs.readAll(folder / kFirstNameListName);
  if (read.error) return {{}, read.error->errnum == ENOENT ? std::nullopt : read.error};
  FirstNameListRead list{DecodeLog(read.bytes), std::nullopt};
  for (Bytes& line : list.text.lines) line = BlankControls(line);
  return list;
}

std::optional<KnownStation> FindFirstName(const Lines& list, std::string_view call) {
  std::optional<KnownStation> found;
  for (const Bytes& line : list) {
    if (Trim(CallOf(line)) == call) found = KnownStation{DptOf(line), UpperCp1252(ColumnsFrom(line, kFirstNameFirst))};
  }
  return found;
}

Bytes FirstNameLine(std::string_view call, std::string_view dpt, std::string_view prenom) {
  return PadRight(call, kCallWidth) + " " + PadRight(dpt, kDptWidth) + " " + std::string(prenom);
}

Lines StoreFirstNames(const Lines& list, const Lines& newLines) {
  // The last line of each call sign wins, at the place of its first.
  std::unordered_map<std::string, std::size_t> lastOf;
  std::vector<std::string> newCalls;
  for (std::size_t i = 0; i < newLines.size(); ++i) {
    const std::string key = CallOf(newLines[i]);
    if (lastOf.insert_or_assign(key, i).second) newCalls.push_back(key);
  }
  Lines out = list;
  std::unordered_set<std::string> listed;
  for (Bytes& line : out) {
    const auto found = lastOf.find(CallOf(line));
    if (found == lastOf.end()) continue;
    line = newLines[found->second];
    listed.insert(found->first);
  }
  for (const std::string& key : newCalls)
    if (!listed.contains(key)) out.push_back(newLines[lastOf[key]]);
  return out;
}

Lines LatestFirstNames(const Lines& list, const Lines& oldestFirst) {
  std::unordered_map<std::string, std::size_t> placeOf;
  Lines out;
  for (const Bytes& line : oldestFirst)
    if (placeOf.try_emplace(CallOf(line), out.size()).second) out.push_back(line);
  for (const Bytes& line : list) {  // the last line of a call sign is the one read
    const auto found = placeOf.find(CallOf(line));
    if (found != placeOf.end()) out[found->second] = line;
  }
  for (const Bytes& line : oldestFirst) {
    Bytes& merged = out[placeOf.at(CallOf(line))];
    merged = Updated(merged, line);
  }
  return out;
}

}  // namespace kmb
