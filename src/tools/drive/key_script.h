// Scripted keys: "T KEY" per line, delivered after tick T−1 and before tick T.
#pragma once

#include <charconv>
#include <istream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelvoro::drive {

struct KeyEvent {
  long tick;  // >= 1
  int key;    // virtual-key code
};

struct ScriptError {
  int line;  // 1-based
  std::string reason;
};

struct KeyScript {
  std::vector<KeyEvent> events;  // in delivery order: by tick, then file order
  std::optional<ScriptError> error;
};

// Parses a key script. KEY is one of W S A D F Up Down Left Right Ctrl Num5
// 1 2 3 or a decimal virtual-key code; Enter and Esc are refused, since they
// belong to the window. Blank lines and lines starting with '#' are skipped.
KeyScript parseKeyScript(std::istream& in);

// The virtual-key code of a key name or a decimal code, if it is one.
std::optional<int> keyCode(std::string_view name);

// A whole decimal number filling all of `text`, if it is one.
template <typename Int>
std::optional<Int> parseWhole(std::string_view text) {
  Int value{};
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc{} || end != text.data() + text.size()) return std::nullopt;
  return value;
}

}  // namespace pelvoro::drive
