#pragma once
// A French department as the log stores it: "01" to "95", "2a", "2b".
#include <string_view>

namespace kmb {

// `code` in the log's lower case; "2A" is not one.
bool IsFrenchDepartment(std::string_view code);

}  // namespace kmb
