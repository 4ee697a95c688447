#include "core/search/QsoSearch.h"

#include "core/log/Cp1252Case.h"
#include "core/log/LogLine.h"
#include "core/search/CallSignMatch.h"

namespace kmb {

bool LineMatches(std::string_view line, SearchCriterion criterion, std::string_view text) {
  switch (criterion) {
    case SearchCriterion::Indicatif: return CallSignMatches(line, text);
    case SearchCriterion::Reference: return UpperCp1252(Trim(log_columns::Ref(line))) == UpperCp1252(text);
    case SearchCriterion::Departement: return Column(line, fields::Dpt.logFirst, kDptWidth) == text;
  }
  return false;
}

std::vector<std::size_t> FindQsos(const Lines& lines, SearchCriterion criterion, std::string_view text) {
  std::vector<std::size_t> found;
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (LineMatches(lines[i], criterion, text)) found.push_back(i);
  return found;
}

}  // namespace kmb
