#pragma once
// What Enter checks in each entry field, with the operator's messages
// (UTF-8). Texts are Windows-1252 bytes, one byte per character.
#include <optional>
#include <string>
#include <string_view>

#include "core/log/LogLine.h"

namespace kmb {

using Refusal = std::optional<std::string>;  // empty: accepted
using Check = Refusal (*)(std::string_view);

// 0 good, 1 bad: a real calendar date "JJ/MM/AA", a time of day "HH:MM".
int CheckDateFormat(std::string_view date);
int CheckTimeFormat(std::string_view time);

Refusal CheckBande(std::string_view text);
Refusal CheckIndicatif(std::string_view text);
Refusal CheckPrenom(std::string_view text);
Refusal CheckDpt(std::string_view text);
Refusal CheckRef(std::string_view text);
Refusal CheckDate(std::string_view text);
Refusal CheckHeure(std::string_view text);
Refusal CheckMode(std::string_view text);
Refusal CheckReport(std::string_view text);
Refusal CheckNomLavoir(std::string_view text);

// Before a save: every field must fit its column, since fields edited
// without Enter were never checked. The name is cut by the save itself.
Refusal CheckRecordFitsLog(const QsoRecord& record);

}  // namespace kmb
