#pragma once
// The text stream of a DX-cluster node cut into lines, as bytes come: telnet
// option bytes, bell and terminal escapes dropped, CR LF, LF and CR each ending
// a line, a line too long cut.
#include <string>
#include <string_view>
#include <vector>

namespace kmb {

inline constexpr std::size_t kMaxNodeLineLength = 1024;

class TelnetLineReader {
 public:
  // The lines the bytes complete, in order, each cut to kMaxNodeLineLength.
  std::vector<std::string> feed(std::string_view bytes);
  // The line begun and not ended yet, where a node leaves its questions.
  const std::string& partial() const { return line_; }
  // Forgets the line begun (the node's question) once the program answered
  // it, as a terminal goes to a new line when its operator presses Enter:
  // the node's answer then starts a line of its own.
  void answered() { line_.clear(); }

 private:
  enum class State { Text, Command, Option, Subnegotiation, SubnegotiationCommand, Escape, EscapeSequence };
  void take(char c, std::vector<std::string>& lines);
  void text(char c, std::vector<std::string>& lines);

  State state_ = State::Text;
  bool afterCr_ = false;  // an LF right after a CR ends no second line
  std::string line_;
};

}  // namespace kmb
