#pragma once
// A number written with a fixed count of decimals and a point, whatever the
// locale of the system ("14025.0", never "14025,0" on a French desktop).
#include <string>

namespace kmb {

std::string FixedDecimals(double value, int decimals);

}  // namespace kmb
