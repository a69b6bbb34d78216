// How a run's verdict is shown and what follows it.
#pragma once

#include <span>
#include <string_view>

namespace pelvoro {

enum class MessageClass {
  Success,         // contains "祝贺"
  Collision,       // contains "碰杆" or "出界"
  DemoEnd,         // contains "演示结束"
  Screen,          // contains "分辨率"
  FaultOrTimeout,  // any other text
  None,            // empty: "遇到未知错误!"
};

MessageClass classifyMessage(std::string_view message);

// What the message timer does when it fires (or Esc acts on the message).
enum class FollowUp {
  OfferSaveThenReturn,  // success
  StartAgain,           // a fault or a timeout: a new attempt at the same item
  Return,               // demonstration end, screen, or no text
};

FollowUp followUp(MessageClass c);

// The seven effects, in the order they are loaded.
enum class Sound { 祝贺, 鼓励, 犯规, 提示, 撞车, 起哄, 引擎 };
inline constexpr int kSoundCount = 7;

// "祝贺.wav" ... in load order.
std::string_view soundFileName(Sound sound);

// The effects started together at the end of a run, when sound is on.
std::span<const Sound> endOfRunSounds(MessageClass c);

inline constexpr std::string_view kUnknownErrorMessage = "遇到未知错误!";

}  // namespace pelvoro
