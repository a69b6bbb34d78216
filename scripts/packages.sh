# Debian packages the project needs, sourced by the run and test commands.
# qt6-multimedia-dev brings libqt6multimedia6, whose QSoundEffect plays through
# PulseAudio (libpulse0): a desktop's PulseAudio or PipeWire answers it.
BUILD_PACKAGES=(build-essential cmake pkg-config qt6-base-dev qt6-multimedia-dev libgl-dev fontconfig)
TEST_PACKAGES=(libgtest-dev libgmock-dev libbenchmark-dev)
# Chinese text needs a CJK font, at build time too (the vehicle pictures are drawn then).
CJK_FONT_PACKAGES=(fonts-noto-cjk)
# A sound server for a machine that has none running (scripts/sound-server.sh).
SOUND_SERVER_PACKAGES=(pulseaudio pulseaudio-utils)
