#include "key_script.h"

#include <algorithm>
#include <array>
#include <utility>

#include "run/keys.h"

namespace pelvoro::drive {

namespace {

constexpr std::array<std::pair<std::string_view, int>, 14> kKeyNames{{
    {"W", keys::W},   {"S", keys::S},   {"A", keys::A},         {"D", keys::D},        {"F", keys::F},
    {"Up", keys::Up}, {"Down", keys::Down}, {"Left", keys::Left}, {"Right", keys::Right}, {"Ctrl", keys::Ctrl},
    {"Num5", keys::Numpad5}, {"1", keys::Digit1}, {"2", keys::Digit2}, {"3", keys::Digit3},
}};

constexpr int kLargestVirtualKey = 254;

std::string_view trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return s.substr(first, last - first + 1);
}

}  // namespace

std::optional<int> keyCode(std::string_view name) {
  for (const auto& [keyName, code] : kKeyNames)
    if (keyName == name) return code;
  const auto code = parseWhole<int>(name);
  if (code && *code >= 1 && *code <= kLargestVirtualKey) return code;
  return std::nullopt;
}

KeyScript parseKeyScript(std::istream& in) {
  KeyScript script;
  std::string raw;
  for (int lineNumber = 1; std::getline(in, raw); ++lineNumber) {
    const std::string_view line = trim(raw);
    if (line.empty() || line.front() == '#') continue;
    const auto space = line.find_first_of(" \t");
    const auto fail = [&](std::string reason) {
      script.error = ScriptError{lineNumber, std::move(reason)};
      script.events.clear();
      return script;
    };
    if (space == std::string_view::npos) return fail("expected \"T KEY\"");
    const auto tick = parseWhole<long>(line.substr(0, space));
    const std::string_view name = trim(line.substr(space));
    if (!tick || *tick < 1) return fail("the tick must be a whole number of at least 1");
    const auto code = keyCode(name);
    if (!code) return fail("unknown key \"" + std::string(name) + "\"");
    if (*code == keys::Enter || *code == keys::Esc) return fail("Enter and Esc belong to the window, not to a drive");
    script.events.push_back({*tick, *code});
  }
  std::stable_sort(script.events.begin(), script.events.end(),
                   [](const KeyEvent& a, const KeyEvent& b) { return a.tick < b.tick; });
  return script;
}

}  // namespace pelvoro::drive
