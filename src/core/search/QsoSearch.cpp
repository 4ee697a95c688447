#include "core/search/QsoSearch.h"

#include "core/log/Cp1252Case.h"
#include "core/log/LogLine.h"
#include "core/search/CallSignMatch.h"

namespace kmb {

bool RowMatches(std::string_view listRow, SearchCriterion criterion, std::string_view text) {
  switch (criterion) {
    case SearchCriterion::Indicatif: return CallSignMatches(listRow, text);
    case SearchCriterion::Reference: return UpperCp1252(Trim(InRow(listRow, fields::Ref))) == UpperCp1252(text);
    case SearchCriterion::Departement: return Column(listRow, fields::Dpt.rowFirst, kDptWidth) == text;
  }
  return false;
}

std::vector<std::size_t> FindQsos(const std::vector<Bytes>& listRows, SearchCriterion criterion,
                                  std::string_view text) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < listRows.size(); ++i)
    if (RowMatches(listRows[i], criterion, text)) found.push_back(i);
  return found;
}

}  // namespace kmb
