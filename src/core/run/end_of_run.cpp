#include "run/end_of_run.h"

#include <array>

namespace pelvoro {

namespace {
bool contains(std::string_view text, std::string_view part) { return text.find(part) != std::string_view::npos; }
}  // namespace

MessageClass classifyMessage(std::string_view m) {
  if (contains(m, "祝贺")) return MessageClass::Success;
  if (contains(m, "碰杆") || contains(m, "出界")) return MessageClass::Collision;
  if (contains(m, "演示结束")) return MessageClass::DemoEnd;
  if (contains(m, "分辨率")) return MessageClass::Screen;
  if (m.empty()) return MessageClass::None;
  return MessageClass::FaultOrTimeout;
}

FollowUp followUp(MessageClass c) {
  switch (c) {
    case MessageClass::Success: return FollowUp::OfferSaveThenReturn;
    case MessageClass::Collision:
    case MessageClass::FaultOrTimeout: return FollowUp::StartAgain;
    case MessageClass::DemoEnd:
    case MessageClass::Screen:
    case MessageClass::None: break;
  }
  return FollowUp::Return;
}

std::string_view soundFileName(Sound sound) {
  static constexpr std::array<std::string_view, kSoundCount> names{"祝贺.wav", "鼓励.wav", "犯规.wav", "提示.wav",
                                                                   "撞车.wav", "起哄.wav", "引擎.wav"};
  return names[static_cast<std::size_t>(sound)];
}

std::span<const Sound> endOfRunSounds(MessageClass c) {
  static constexpr Sound cheer[] = {Sound::祝贺, Sound::鼓励};
  static constexpr Sound crash[] = {Sound::撞车, Sound::起哄};
  static constexpr Sound prompt[] = {Sound::提示};
  static constexpr Sound foul[] = {Sound::犯规, Sound::起哄};
  switch (c) {
    case MessageClass::Success: return cheer;
    case MessageClass::Collision: return crash;
    case MessageClass::DemoEnd: return prompt;
    case MessageClass::Screen:
    case MessageClass::FaultOrTimeout: return foul;
    case MessageClass::None: break;
  }
  return {};
}

}  // namespace pelvoro
