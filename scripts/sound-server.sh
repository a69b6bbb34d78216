# Sourced by run.sh: makes sure a PulseAudio-compatible sound server answers,
# since the program ends at start-up without a sound device. A desktop has one
# (PulseAudio or PipeWire); a bare machine gets a PulseAudio of its own, which
# plays into a silent sink when there is no sound card.
if ! pactl info >/dev/null 2>&1; then
  scripts/deps.sh "${SOUND_SERVER_PACKAGES[@]}"
  export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-/tmp/pelvoro-runtime-$(id -u)}"
  mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
  pactl info >/dev/null 2>&1 || pulseaudio --start --exit-idle-time=-1 2>/dev/null || true
  if ! pactl info >/dev/null 2>&1; then
    echo "run.sh: no sound server could be started; the program needs one to start" >&2
  fi
fi
