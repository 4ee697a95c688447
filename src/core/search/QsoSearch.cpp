#include "core/search/QsoSearch.h"

#include "core/log/Cp1252Case.h"
#include "core/log/LogLine.h"
#include "core/search/CallSignMatch.h"
#include "core/search/SearchResultRow.h"

namespace kmb {

bool RowMatches(std::string_view listRow, SearchCriterion criterion, std::string_view text) {
  switch (criterion) {
    case SearchCriterion::Indicatif: return CallSignMatches(listRow, text);
    case SearchCriterion::Reference: return UpperCp1252(Trim(InRow(listRow, fields::Ref))) == UpperCp1252(text);
    case SearchCriterion::Departement: return Column(listRow, fields::Dpt.rowFirst, kDptWidth) == text;
  }
  return false;
}

std::vector<Bytes> FindQsos(const std::vector<Bytes>& listRows, SearchCriterion criterion, std::string_view text) {
  std::vector<Bytes> results;
  for (const Bytes& row : listRows)
    if (RowMatches(row, criterion, text)) results.push_back(SearchResultRow(row));
  return results;
}

}  // namespace kmb
