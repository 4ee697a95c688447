#include "core/entry/EntryControls.h"

#include "core/log/FixedColumns.h"
#include "core/log/QsoTime.h"

namespace kmb {
namespace {

bool Breaks(const EntryRule& rule, std::size_t width, std::string_view t) {
  const std::size_t length = rule.length ? rule.length : width;
  switch (rule.fault) {
    case Fault::Empty: return t.empty();
    case Fault::LongerThan: return t.size() > length;
    case Fault::NotLength: return t.size() != length;
    case Fault::NotDate: return !ReadQsoDate(t);
    case Fault::NotTime: return !ReadQsoTime(t);
    // A first character that is not a digit cannot be a readability figure.
    case Fault::NoReadability: return t.empty() || !IsDigit(t[0]) || t[0] > '5';
  }
  return false;
}

template <std::size_t N>
Refusal FirstBroken(const std::array<EntryRule, N>& rules, std::size_t width, std::string_view t) {
  for (const EntryRule& rule : rules)
    if (rule.message && Breaks(rule, width, t)) return std::string(rule.message);
  return std::nullopt;
}

// RowOf finds a row by its control's number.
constexpr bool RowsInControlOrder() {
  for (std::size_t i = 0; i < kEntryControls.size(); ++i)
    if (static_cast<std::size_t>(kEntryControls[i].control) != i) return false;
  return true;
}
static_assert(RowsInControlOrder());

}  // namespace

const EntryControlRow& RowOf(EntryControl control) { return kEntryControls[static_cast<std::size_t>(control)]; }

std::optional<EntryControl> NextEntryControl(EntryControl control) {
  const auto next = static_cast<std::size_t>(control) + 1;
  if (next == kEntryControls.size()) return std::nullopt;
  return kEntryControls[next].control;
}

Refusal CheckEntry(EntryControl control, std::string_view text) {
  const EntryControlRow& row = RowOf(control);
  return FirstBroken(row.rules, row.width, text);
}

Refusal CheckSearch(EntryControl control, std::string_view text) {
  const EntryControlRow& row = RowOf(control);
  if (!row.searchRules[0].message) return CheckEntry(control, text);
  return FirstBroken(row.searchRules, row.width, text);
}

// In the order of the record's fields: the first that does not fit is told.
Refusal CheckRecordFitsLog(const QsoRecord& r) {
  const std::pair<EntryControl, const Bytes&> fields[] = {
      {EntryControl::Ind, r.indicatif}, {EntryControl::Dpt, r.dpt},     {EntryControl::Prenom, r.prenom},
      {EntryControl::Ref, r.ref},       {EntryControl::Date, r.date},   {EntryControl::Heure, r.heure},
      {EntryControl::Mode, r.mode},     {EntryControl::Bande, r.bande}, {EntryControl::Rst, r.rstR},
      {EntryControl::Rste, r.rstE}};
  for (const auto& [control, text] : fields) {
    const EntryControlRow& row = RowOf(control);
    const bool checked = row.atSave == SaveCheck::Whole || (row.atSave == SaveCheck::Width && text.size() > row.width);
    if (Refusal refusal = checked ? CheckEntry(control, text) : std::nullopt) return refusal;
  }
  return std::nullopt;
}

}  // namespace kmb
