#pragma once
// A spot the operator sends for the station being worked:
// "DX <kHz> <call> <comment>".
#include <optional>
#include <string>
#include <string_view>

namespace kmb {

// "KMB 89001 LAVOIR DE SENS"; the reference alone when the name is empty.
std::string AnnounceComment(std::string_view reference, std::string_view lavoirName);

// A frequency typed in kHz ("14025", "14025.5" or "14025,5") that lies in a
// band of the entry's list (not 432 MHz, which it lacks); none otherwise.
std::optional<double> AnnounceKilohertz(std::string_view typed);

// The command line, CR LF ended, the comment's control characters dropped so
// that it never holds a second command.
std::string AnnounceLine(double kHz, std::string_view call, std::string_view comment);

}  // namespace kmb
