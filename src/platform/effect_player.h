// The seven effects as QSoundEffect buffers, loaded once at start-up.
#pragma once

#include <QSoundEffect>
#include <array>
#include <filesystem>
#include <memory>
#include <optional>

#include "platform/seams.h"

namespace pelvoro {

class EffectPlayer : public SoundOutput {
 public:
  // Whether the platform has an audio output to play to.
  static bool deviceAvailable();
  // The first of the seven files missing from the program's 音效 folder, in load order.
  static std::optional<std::filesystem::path> missingEffect(const std::filesystem::path& programFolder);

  // Loads all seven; check missingEffect first, a missing file would stay silent.
  explicit EffectPlayer(const std::filesystem::path& programFolder);

  void play(Sound sound, bool loop) override;
  void stop(Sound sound) override;

 private:
  std::array<std::unique_ptr<QSoundEffect>, kSoundCount> effects_;
};

}  // namespace pelvoro
