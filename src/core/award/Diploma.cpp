#include "core/award/Diploma.h"

namespace kmb {

DiplomaStanding EvaluateDiploma(const Lines& log, const DiplomaRule& rule) {
  return {CountGroup(log, rule.group).confirmed, rule.threshold};
}

}  // namespace kmb
