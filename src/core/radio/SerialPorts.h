#pragma once
// The serial devices a radio may be plugged into, as the system names them.
#include <filesystem>
#include <string>
#include <vector>

namespace kmb {

// The USB serial adapters and their lasting names under `devices` ("/dev"):
// serial/by-id/* first, then ttyUSB*, ttyACM*, sorted.
std::vector<std::string> SerialPorts(const std::filesystem::path& devices);

}  // namespace kmb
