#include "core/radio/SerialPorts.h"

#include <algorithm>
#include <system_error>

namespace kmb {
namespace {

std::vector<std::string> Entries(const std::filesystem::path& folder, bool (*wanted)(const std::string& name)) {
  std::vector<std::string> found;
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error))
    if (wanted(entry.path().filename().string())) found.push_back(entry.path().string());
  std::sort(found.begin(), found.end());
  return found;
}

bool AnyName(const std::string&) { return true; }

bool UsbSerialName(const std::string& name) { return name.starts_with("ttyUSB") || name.starts_with("ttyACM"); }

}  // namespace

std::vector<std::string> SerialPorts(const std::filesystem::path& devices) {
  std::vector<std::string> ports = Entries(devices / "serial" / "by-id", AnyName);
  for (std::string& port : Entries(devices, UsbSerialName)) ports.push_back(std::move(port));
  return ports;
}

}  // namespace kmb
