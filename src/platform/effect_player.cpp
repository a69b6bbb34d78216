#include "platform/effect_player.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QUrl>

#include "platform/paths.h"

namespace pelvoro {

namespace {
std::filesystem::path effectFile(const std::filesystem::path& programFolder, int index) {
  return resourcePath(programFolder, kSoundFolder, soundFileName(static_cast<Sound>(index)));
}
}  // namespace

bool EffectPlayer::deviceAvailable() { return !QMediaDevices::defaultAudioOutput().isNull(); }

std::optional<std::filesystem::path> EffectPlayer::missingEffect(const std::filesystem::path& programFolder) {
  for (int i = 0; i < kSoundCount; ++i) {
    const std::filesystem::path file = effectFile(programFolder, i);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return file;
  }
  return std::nullopt;
}

EffectPlayer::EffectPlayer(const std::filesystem::path& programFolder) {
  for (int i = 0; i < kSoundCount; ++i) {
    auto& effect = effects_[static_cast<std::size_t>(i)];
    effect = std::make_unique<QSoundEffect>();
    effect->setSource(QUrl::fromLocalFile(toQString(effectFile(programFolder, i))));
  }
}

void EffectPlayer::play(Sound sound, bool loop) {
  QSoundEffect& effect = *effects_[static_cast<std::size_t>(sound)];
  // QSoundEffect restarts a playing effect; a buffer already playing keeps playing.
  if (effect.isPlaying()) return;
  effect.setLoopCount(loop ? QSoundEffect::Infinite : 1);
  effect.play();
}

void EffectPlayer::stop(Sound sound) { effects_[static_cast<std::size_t>(sound)]->stop(); }

}  // namespace pelvoro
