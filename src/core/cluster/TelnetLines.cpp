#include "core/cluster/TelnetLines.h"

namespace kmb {
namespace {

constexpr unsigned char kIac = 255;
constexpr unsigned char kSubnegotiationBegin = 250;
constexpr unsigned char kSubnegotiationEnd = 240;
constexpr unsigned char kWill = 251;  // WILL, WONT, DO, DONT: 251 to 254, each naming one option
constexpr char kBell = '\a';
constexpr char kEscape = '\x1b';

}  // namespace

std::vector<std::string> TelnetLineReader::feed(std::string_view bytes) {
  std::vector<std::string> lines;
  for (const char c : bytes) take(c, lines);
  return lines;
}

void TelnetLineReader::take(char c, std::vector<std::string>& lines) {
  const auto byte = static_cast<unsigned char>(c);
  switch (state_) {
    case State::Text:
      if (byte == kIac)
        state_ = State::Command;
      else if (c == kEscape)
        state_ = State::Escape;
      else
        text(c, lines);
      return;
    case State::Command:
      // IAC IAC stands for the byte 255 itself.
      state_ = byte == kIac                   ? State::Text
               : byte == kSubnegotiationBegin ? State::Subnegotiation
               : byte >= kWill                ? State::Option
                                              : State::Text;
      if (byte == kIac) text(c, lines);
      return;
    case State::Option: state_ = State::Text; return;
    case State::Subnegotiation:
      if (byte == kIac) state_ = State::SubnegotiationCommand;
      return;
    case State::SubnegotiationCommand:
      state_ = byte == kSubnegotiationEnd ? State::Text : State::Subnegotiation;
      return;
    case State::Escape:
      // ESC [ opens a sequence; ESC and any other byte is a sequence of two.
      state_ = c == '[' ? State::EscapeSequence : State::Text;
      return;
    case State::EscapeSequence:
      if (byte >= 0x40 && byte <= 0x7e) state_ = State::Text;
      return;
  }
}

void TelnetLineReader::text(char c, std::vector<std::string>& lines) {
  const bool lf = c == '\n';
  if (lf && afterCr_) {
    afterCr_ = false;
    return;
  }
  afterCr_ = c == '\r';
  if (lf || c == '\r') {
    lines.push_back(std::move(line_));
    line_.clear();
    return;
  }
  const auto byte = static_cast<unsigned char>(c);
  if (c == kBell || (byte < 0x20 && c != '\t') || byte == 0x7f) return;  // NUL after CR, and every other control
  if (line_.size() < kMaxNodeLineLength) line_.push_back(c == '\t' ? ' ' : c);
}

}  // namespace kmb
