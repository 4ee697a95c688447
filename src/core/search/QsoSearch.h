#pragma once
// Finding QSOs among the lines of the log.
#include <cstddef>
#include <string_view>
#include <vector>

#include "core/log/LogFile.h"

namespace kmb {

enum class SearchCriterion { Indicatif, Reference, Departement };

// Call sign: the trimmed call-sign field contains the text, upper-cased.
// Reference: the trimmed reference equals the text, case ignored, so that a
// Corsican "2a001" is found however it is typed.
// Department: the two department characters equal the text exactly (the
// window lower-cases it first, as the log stores it).
bool LineMatches(std::string_view logLine, SearchCriterion criterion, std::string_view text);

// The places of the matching lines, in log order.
std::vector<std::size_t> FindQsos(const Lines& lines, SearchCriterion criterion, std::string_view text);

}  // namespace kmb
