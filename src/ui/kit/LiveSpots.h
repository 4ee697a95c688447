#pragma once
// The spots heard now, as the windows other than "Spots KMB" see them: the
// departments with a lavoir on the air, and the way to those spots.
#include <QObject>
#include <map>
#include <string>
#include <string_view>

class LiveSpots : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

  // Lavoirs on the air now by department, the code as references write it
  // ("89", "2a"): spots of the last 15 minutes on a band of `group` ("HF",
  // "VHF", "UHF") whose lavoir the log does not hold on that band.
  virtual std::map<std::string, int> departmentsOnAir(std::string_view group) const = 0;
  // Shows "Spots KMB" with the spots of that department only.
  virtual void showDepartment(const std::string& department) = 0;

 signals:
  void spotsChanged();
};
