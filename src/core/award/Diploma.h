#pragma once
// The HF and VHF diplomas: enough confirmed QSOs of a band group, whatever
// their departments or references.
#include <string_view>

#include "core/award/AwardRules.h"

namespace kmb {

struct DiplomaRule {
  std::string_view group;
  int threshold = 0;
};

inline constexpr DiplomaRule kHfDiploma{kHf, 30};
inline constexpr DiplomaRule kVhfDiploma{kVhf, 10};  // the 144 MHz band alone

struct DiplomaStanding {
  int confirmed = 0;
  int threshold = 0;

  bool reached() const { return confirmed >= threshold; }
  // The count once reached, otherwise how many confirmations are missing.
  int shownNumber() const { return reached() ? confirmed : threshold - confirmed; }
};

DiplomaStanding EvaluateDiploma(const Lines& log, const DiplomaRule& rule);

}  // namespace kmb
