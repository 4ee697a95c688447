#pragma once
// The claim of a diploma: the confirmed QSOs it counts, oldest first, and
// the page that lists them for the award manager. Texts are Windows-1252.
#include <string_view>

#include "core/app/Clock.h"
#include "core/award/Diploma.h"

namespace kmb {

// The log lines the diploma counts (EvaluateDiploma's), by date then time;
// lines whose date cannot be read come last, in the log's order.
Lines ClaimedQsos(const Lines& log, const DiplomaRule& rule);

// "Demande_KMB_HF_F4ABC_P_2026-12-07": only the letters, digits, "_" and "-"
// of the stored call, so the name stays in the program's folder.
Bytes ClaimFileStem(std::string_view storedCall, const DiplomaRule& rule, const ClockReading& today);

// The heading (with "Brouillon" and what is missing before the threshold),
// the column titles, then one line per claimed QSO.
Lines ClaimPageLines(std::string_view storedCall, const DiplomaRule& rule, const ClockReading& today,
                     const Lines& claimed);

}  // namespace kmb
