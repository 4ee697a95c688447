#include "core/cluster/SpotLine.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <vector>

#include "core/cluster/CaselessSearch.h"
#include "core/log/Cp1252Case.h"
#include "core/log/Cp1252Text.h"

namespace kmb {
namespace {

constexpr std::size_t kMaxCallLength = 20;
constexpr std::size_t kTimeLength = 5;  // "1234Z"

struct Token {
  std::string_view text;
  std::size_t begin;  // in the line
};

std::vector<Token> Tokens(std::string_view line) {
  std::vector<Token> tokens;
  std::size_t at = 0;
  while ((at = line.find_first_not_of(' ', at)) != std::string_view::npos) {
    const std::size_t end = std::min(line.find(' ', at), line.size());
    tokens.push_back({line.substr(at, end - at), at});
    at = end;
  }
  return tokens;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string_view Trimmed(std::string_view text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

int Number(std::string_view digits) {
  int value = 0;
  for (const char c : digits) value = value * 10 + (c - '0');
  return value;
}

bool AllDigits(std::string_view text) { return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit); }

std::optional<double> Kilohertz(std::string_view text) {
  if (text.empty() || text.size() > 12 || !IsDigit(text.front())) return std::nullopt;
  double value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed);
  if (error != std::errc{} || end != text.data() + text.size() || value <= 0) return std::nullopt;
  return value;
}

bool IsCall(std::string_view text) {
  return !text.empty() && text.size() <= kMaxCallLength && std::all_of(text.begin(), text.end(), [](char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '/' || c == '-' || c == '#';
  });
}

// "1234Z".
bool ReadTime(std::string_view text, Spot& spot) {
  if (text.size() != kTimeLength || (text[4] != 'Z' && text[4] != 'z') || !AllDigits(text.substr(0, 4))) return false;
  spot.hour = Number(text.substr(0, 2));
  spot.minute = Number(text.substr(2, 2));
  return spot.hour < 24 && spot.minute < 60;
}

// "12-Mar-2024".
std::optional<SpotDay> ReadDay(std::string_view text) {
  constexpr std::array<std::string_view, 12> kMonths{"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                                     "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  const auto dash = text.find('-');
  if (dash == std::string_view::npos || dash == 0 || dash > 2 || text.size() != dash + 9 || text[dash + 4] != '-')
    return std::nullopt;
  const std::string_view day = text.substr(0, dash), year = text.substr(dash + 5);
  const auto month = std::find(kMonths.begin(), kMonths.end(), UpperCp1252(text.substr(dash + 1, 3)));
  if (!AllDigits(day) || !AllDigits(year) || month == kMonths.end() || Number(day) < 1 || Number(day) > 31)
    return std::nullopt;
  return SpotDay{Number(year), static_cast<int>(month - kMonths.begin()) + 1, Number(day)};
}

std::string ModeOf(std::string_view comment) {
  for (const Token& token : Tokens(comment)) {
    const std::string word = UpperCp1252(token.text);
    if (word == "CW" || word == "FM" || word == "AM") return word;
    if (word == "SSB" || word == "USB" || word == "LSB") return "SSB";
  }
  return {};
}

// Frequency and call sign, the first two words of both kinds of line.
bool ReadFrequencyAndCall(const std::vector<Token>& tokens, Spot& spot) {
  if (tokens.size() < 3 || !IsCall(tokens[1].text)) return false;
  const auto kHz = Kilohertz(tokens[0].text);
  if (!kHz) return false;
  spot.kHz = *kHz;
  spot.call = UpperCp1252(tokens[1].text);
  return true;
}

// The comment runs from the word before it to `end`.
std::string_view CommentBefore(std::string_view line, const Token& before, std::size_t end) {
  const std::size_t from = before.begin + before.text.size();
  return Trimmed(line.substr(from, end - from));
}

// A comment that fills its columns runs into the time ("591328Z"): the time is the word's last five characters.
bool ReadTimeEnding(const Token& word, Spot& spot) {
  return word.text.size() >= kTimeLength && ReadTime(word.text.substr(word.text.size() - kTimeLength), spot);
}

std::optional<Spot> ParseLiveLine(std::string_view line) {
  const auto colon = line.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  Spot spot;
  const std::string_view spotter = Trimmed(line.substr(6, colon - 6));
  const std::string_view rest = line.substr(colon + 1);
  const std::vector<Token> tokens = Tokens(rest);
  if (!IsCall(spotter) || !ReadFrequencyAndCall(tokens, spot)) return std::nullopt;
  spot.spotter = UpperCp1252(spotter);
  // The time ends the last word, or the one before a locator.
  for (std::size_t back = 1; back <= 2 && back <= tokens.size() - 2; ++back) {
    const Token& time = tokens[tokens.size() - back];
    if (!ReadTimeEnding(time, spot)) continue;
    spot.comment = CommentBefore(rest, tokens[1], time.begin + time.text.size() - kTimeLength);
    return spot;
  }
  return std::nullopt;
}

std::optional<Spot> ParseListingLine(std::string_view line) {
  const std::vector<Token> tokens = Tokens(line);
  Spot spot;
  if (tokens.size() < 5 || !ReadFrequencyAndCall(tokens, spot) || !ReadTime(tokens[3].text, spot)) return std::nullopt;
  spot.day = ReadDay(tokens[2].text);
  // "<F4ABC>", or "merci<F4ABC>" when the comment fills its columns.
  const Token& last = tokens.back();
  const auto open = last.text.rfind('<');
  if (!spot.day || open == std::string_view::npos || last.text.back() != '>') return std::nullopt;
  const std::string_view spotter = last.text.substr(open + 1, last.text.size() - open - 2);
  if (!IsCall(spotter)) return std::nullopt;
  spot.spotter = UpperCp1252(spotter);
  spot.comment = CommentBefore(line, tokens[3], last.begin + open);
  return spot;
}

// Some spotters type their comment in UTF-8; the log holds Windows-1252 only.
std::string Cp1252Comment(const std::string& comment) {
  if (!HasHighByte(comment)) return comment;
  const auto characters = DecodeUtf8(comment);
  return characters ? Cp1252FromUnicode(*characters) : comment;
}

// Where "DX de " starts, anywhere: a live line may follow the node's prompt on the same line.
std::size_t LiveLineStart(std::string_view line) { return FindCaseless(line, "dx de "); }

}  // namespace

std::optional<Spot> ParseSpotLine(std::string_view line) {
  const std::size_t live = LiveLineStart(line);
  std::optional<Spot> spot = live != std::string_view::npos ? ParseLiveLine(line.substr(live)) : ParseListingLine(line);
  if (!spot) return spot;
  spot->comment = Cp1252Comment(spot->comment);
  spot->mode = ModeOf(spot->comment);
  return spot;
}

}  // namespace kmb
