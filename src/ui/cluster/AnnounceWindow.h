#pragma once
// "Annoncer un lavoir": a spot for the station being worked, prefilled from
// the entry and the radio, sent to the node once the operator confirms it.
#include <QWidget>
#include <functional>
#include <optional>
#include <string>

#include "core/log/LogLine.h"
#include "ui/kit/AppContext.h"

class QFormLayout;
class QLineEdit;

class AnnounceWindow final : public QWidget {
  Q_OBJECT
 public:
  // `send` sends the confirmed line; false when the node is not connected,
  // which `connected` tells before the operator is asked to confirm.
  AnnounceWindow(AppContext& context, const kmb::QsoRecord& entry, std::optional<double> radioHz,
                 std::function<bool()> connected, std::function<bool(const std::string&)> send);

 private:
  QLineEdit* addField(const char* name, const QString& caption, const QString& text);
  void confirm();
  // The first field that cannot be sent as it stands, with the reason; none when all can.
  std::optional<std::pair<QLineEdit*, QString>> refusal() const;

  AppContext& ctx_;
  std::function<bool()> connected_;
  std::function<bool(const std::string&)> send_;
  QFormLayout* form_ = nullptr;
  QLineEdit* call_ = nullptr;
  QLineEdit* frequency_ = nullptr;
  QLineEdit* comment_ = nullptr;
};
