#include "synth.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <ostream>

namespace pelvoro::sounds {

namespace {

constexpr double kTwoPi = 6.28318530717958;
using Samples = std::vector<double>;

// xorshift: the same files on every build.
struct Noise {
  std::uint32_t state;
  double next() {  // uniform in [-1, 1)
    state ^= state << 13;
    state ^= state >> 17;
    state ^= state << 5;
    return state / 2147483648.0 - 1;
  }
  double unit() { return (next() + 1) / 2; }
};

Samples silence(double seconds) { return Samples(static_cast<std::size_t>(seconds * kSampleRate), 0.0); }
double timeOf(std::size_t i) { return static_cast<double>(i) / kSampleRate; }

// One-pole low-pass; `cutoff` in Hz.
struct LowPass {
  double a, y = 0;
  explicit LowPass(double cutoff) : a(1 - std::exp(-kTwoPi * cutoff / kSampleRate)) {}
  double operator()(double x) { return y += a * (x - y); }
};

// A resonant band-pass (biquad, constant peak gain) for formants and the whistle's breath.
struct BandPass {
  double b0, a1, a2, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
  BandPass(double centre, double q) {
    const double w = kTwoPi * centre / kSampleRate, alpha = std::sin(w) / (2 * q), a0 = 1 + alpha;
    b0 = alpha / a0;
    a1 = -2 * std::cos(w) / a0;
    a2 = (1 - alpha) / a0;
  }
  double operator()(double x) {
    const double y = b0 * x - b0 * x2 - a1 * y1 - a2 * y2;
    x2 = x1;
    x1 = x;
    y2 = y1;
    y1 = y;
    return y;
  }
};

// Engine: a 45 Hz firing note with its harmonics, throbbing at 15 Hz. 22050
// samples hold exactly 45 and 15 periods, so the loop is seamless.
Samples engine() {
  Samples s = silence(1.0);
  constexpr std::array<double, 6> harmonics{1.0, 0.7, 0.45, 0.35, 0.2, 0.12};
  constexpr std::array<double, 6> phases{0.0, 1.3, 2.1, 0.4, 2.9, 1.7};
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    double v = 0;
    for (std::size_t h = 0; h < harmonics.size(); ++h)
      v += harmonics[h] * std::sin(kTwoPi * 45 * static_cast<double>(h + 1) * t + phases[h]);
    s[i] = v * (0.75 + 0.25 * std::sin(kTwoPi * 15 * t));
  }
  return s;
}

// Applause: many short hand claps, each a burst of band-limited noise.
Samples applause() {
  Samples s = silence(2.2);
  Noise noise{0x1234567u};
  for (int clap = 0; clap < 260; ++clap) {
    const double at = 0.05 + noise.unit() * 1.9;
    BandPass tone(900 + 1500 * noise.unit(), 1.2);
    const double gain = 0.4 + 0.6 * noise.unit();
    const auto start = static_cast<std::size_t>(at * kSampleRate);
    for (std::size_t k = 0; k < 700 && start + k < s.size(); ++k)
      s[start + k] += gain * tone(noise.next()) * std::exp(-timeOf(k) / 0.006);
  }
  for (std::size_t i = 0; i < s.size(); ++i) s[i] *= std::min(1.0, (2.2 - timeOf(i)) / 0.6);
  return s;
}

// A crowd of voices singing a vowel: detuned glides through two formants.
Samples voices(double seconds, double lowPitch, double highPitch, double glide, std::array<double, 2> formants,
               std::uint32_t seed) {
  Samples s = silence(seconds);
  Noise noise{seed};
  for (int voice = 0; voice < 9; ++voice) {
    const double pitch = lowPitch + (highPitch - lowPitch) * noise.unit();
    const double onset = 0.1 * noise.unit(), vibrato = 4 + 2 * noise.unit();
    BandPass f1(formants[0], 4), f2(formants[1], 5);
    double phase = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
      const double t = timeOf(i);
      if (t < onset) continue;
      phase += (pitch * (1 + glide * (t / seconds)) * (1 + 0.01 * std::sin(kTwoPi * vibrato * t))) / kSampleRate;
      const double saw = 2 * (phase - std::floor(phase)) - 1;
      const double env = std::min(1.0, (t - onset) / 0.15) * std::min(1.0, (seconds - t) / 0.4);
      s[i] += env * (f1(saw) + 0.6 * f2(saw)) + 0.05 * env * noise.next();
    }
  }
  return s;
}

// A referee's whistle: two trilled blasts near 2.8 kHz with breath noise.
Samples whistle() {
  Samples s = silence(0.9);
  Noise noise{0xBEEFu};
  BandPass breath(2800, 8);
  double phase = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    const bool blast = t < 0.3 || (t > 0.4 && t < 0.85);
    if (!blast) continue;
    const double local = t < 0.3 ? t : t - 0.4;
    const double length = t < 0.3 ? 0.3 : 0.45;
    const double env = std::min(1.0, local / 0.01) * std::min(1.0, (length - local) / 0.03);
    phase += (2800 + 60 * std::sin(kTwoPi * 28 * t)) / kSampleRate;
    const double trill = 0.6 + 0.4 * std::sin(kTwoPi * 28 * t);
    s[i] = env * (trill * std::sin(kTwoPi * phase) + 2 * breath(noise.next()));
  }
  return s;
}

// A two-note chime: bell partials with exponential decay.
Samples chime() {
  Samples s = silence(1.2);
  constexpr std::array<std::pair<double, double>, 2> notes{{{0.0, 880.0}, {0.18, 1318.5}}};
  constexpr std::array<double, 3> partials{1.0, 2.76, 5.4};
  for (const auto& [at, pitch] : notes)
    for (std::size_t i = static_cast<std::size_t>(at * kSampleRate); i < s.size(); ++i) {
      const double t = timeOf(i) - at;
      for (std::size_t p = 0; p < partials.size(); ++p)
        s[i] += std::exp(-t * (3 + 3 * static_cast<double>(p))) / static_cast<double>(p + 1) *
                std::sin(kTwoPi * pitch * partials[p] * t) * std::min(1.0, t / 0.003);
    }
  return s;
}

// A crash: a low thump, a burst of noise and ringing metal.
Samples crash() {
  Samples s = silence(1.3);
  Noise noise{0xC0FFEEu};
  LowPass rumble(1200);
  std::array<double, 7> metal{};
  for (double& f : metal) f = 1500 + 3500 * noise.unit();
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    double v = 1.6 * std::sin(kTwoPi * (70 - 30 * t) * t) * std::exp(-t / 0.12);
    v += rumble(noise.next()) * 2.5 * std::exp(-t / 0.35);
    v += noise.next() * 0.5 * std::exp(-t / 0.05);
    for (double f : metal) v += 0.12 * std::sin(kTwoPi * f * t) * std::exp(-t / 0.4);
    s[i] = v * std::min(1.0, t / 0.002);
  }
  return s;
}

// Scales to `level` of full range. One-shot effects fade out over their last
// 20 ms so that they never stop on a click; the engine loop must not.
std::vector<std::int16_t> toPcm(Samples s, double level, bool oneShot = true) {
  const std::size_t fade = kSampleRate / 50;
  if (oneShot)
    for (std::size_t k = 0; k < fade && k < s.size(); ++k) s[s.size() - 1 - k] *= static_cast<double>(k) / fade;
  double peak = 0;
  for (double v : s) peak = std::max(peak, std::abs(v));
  std::vector<std::int16_t> out(s.size());
  for (std::size_t i = 0; i < s.size(); ++i)
    out[i] = static_cast<std::int16_t>(std::lround(peak > 0 ? s[i] / peak * level * 32767 : 0));
  return out;
}

void put(std::ostream& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.put(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::vector<std::int16_t> synthesize(Sound sound) {
  switch (sound) {
    case Sound::祝贺: return toPcm(voices(1.6, 330, 480, 0.25, {800, 1200}, 0x5EEDu), 0.8);
    case Sound::鼓励: return toPcm(applause(), 0.7);
    case Sound::犯规: return toPcm(whistle(), 0.6);
    case Sound::提示: return toPcm(chime(), 0.7);
    case Sound::撞车: return toPcm(crash(), 0.9);
    case Sound::起哄: return toPcm(voices(1.5, 120, 200, -0.2, {320, 800}, 0xB00u), 0.8);
    case Sound::引擎: break;
  }
  return toPcm(engine(), 0.35, false);
}

void writeWav(std::ostream& out, const std::vector<std::int16_t>& samples) {
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  out.write("RIFF", 4);
  put(out, 36 + dataBytes, 4);
  out.write("WAVEfmt ", 8);
  put(out, 16, 4);           // format chunk size
  put(out, 1, 2);            // PCM
  put(out, 1, 2);            // mono
  put(out, kSampleRate, 4);
  put(out, kSampleRate * 2, 4);  // bytes per second
  put(out, 2, 2);            // block align
  put(out, 16, 2);           // bits per sample
  out.write("data", 4);
  put(out, dataBytes, 4);
  for (std::int16_t v : samples) put(out, static_cast<std::uint16_t>(v), 2);
}

}  // namespace pelvoro::sounds
