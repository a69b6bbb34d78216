// libFuzzer target: the bytes are a demonstration file for 五菱桂花 + 桩考.
// Loading must never crash, and what it accepts must hold together: every line
// that unshuffles shuffles back to itself, and every accepted line replays
// within the vehicle's limits or is reported as malformed.
#include <unistd.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

#include "demo/demo_buffer.h"
#include "demo/demo_file.h"
#include "demo/demo_record.h"
#include "demo/shuffle.h"

namespace {

namespace fs = std::filesystem;
using namespace pelvoro;

constexpr DemoChoice kChoice{"五菱桂花", "桩考", ""};
constexpr std::size_t kSeed = 6;       // code points of the two captions
constexpr std::size_t kOtherSeed = 8;  // as for 东南菱帅 + 侧方停车
constexpr DemoContext kVehicle{0, 60, 60, 30, 0.6, 300};

void check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "invariant broken: %s\n", what);
  std::abort();
}

// The lines as the loader splits them: at LF, without a CR before it, no line after a final LF.
std::vector<std::string_view> splitLines(std::string_view content) {
  std::vector<std::string_view> lines;
  while (!content.empty()) {
    const auto end = content.find('\n');
    std::string_view line = content.substr(0, end);
    content.remove_prefix(end == std::string_view::npos ? content.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.push_back(line);
  }
  return lines;
}

void checkShuffle(std::string_view line, std::size_t seed) {
  const ShuffleResult plain = unshuffleText(line, seed);
  const ShuffleResult shuffled = shuffleText(line, seed);
  check(plain.error == shuffled.error, "both converters judge the length alike");
  if (plain.error != ShuffleError::None) {
    check(plain.text.empty() && shuffled.text.empty(), "a rejected text gives \"\"");
    return;
  }
  check(shuffleText(plain.text, seed).text == line, "shuffle undoes unshuffle");
  check(unshuffleText(shuffled.text, seed).text == line, "unshuffle undoes shuffle");
}

// `demo` is scratch space, reused because a buffer of 1001 lines is costly to build per line.
void checkReplay(DemoBuffer& demo, const std::string& line) {
  demo.demoLineIndex = 0;
  demo.demoLines[0] = line;
  const auto time = demoLineTime(line);
  DemoContext at = kVehicle;
  at.elapsedSeconds = time ? std::fmin(std::fmax(*time, 0.12), 14400) : 1;
  double steer = 0, speed = 0;
  const ReplayStep step = replayDemoLine(demo, at, steer, speed);
  const bool complete = time && demoLineSteer(line) && demoLineSpeed(line);
  check(step == (complete ? ReplayStep::Continue : ReplayStep::Malformed), "a due line is applied or malformed");
  check(demo.demoLineIndex == (complete ? 1 : 0), "only an applied line advances the index");
  check(std::fabs(steer) <= at.maxSteerAngle && std::fabs(speed) <= at.maxSpeed, "replayed values are clamped");
  if (!complete) return;

  // Writing the values read gives a record that reads back to the same text.
  const std::string written = formatDemoRecord(*time, *demoLineSteer(line), *demoLineSpeed(line));
  const std::string again =
      formatDemoRecord(*demoLineTime(written), *demoLineSteer(written), *demoLineSpeed(written));
  check(written == again, "a written record reads back as written");
}

// libFuzzer ends without running exit handlers, so each input removes its folder again.
const fs::path& programFolder() {
  static const fs::path folder = fs::temp_directory_path() / ("pelvoro-demo-fuzz-" + std::to_string(::getpid()));
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view content(reinterpret_cast<const char*>(data), size);

  const auto parsed = parseDemoFile(content, kSeed);
  const std::vector<std::string_view> raw = splitLines(content);
  for (const std::string_view line : raw) {
    checkShuffle(line, kSeed);
    checkShuffle(line, kOtherSeed);
  }
  if (parsed) {
    DemoBuffer scratch;
    check(!raw.empty() && raw.size() <= kDemoLineCount, "an accepted file has 1 to 1001 lines");
    for (std::size_t i = 0; i < kDemoLineCount; ++i) {
      const std::string& line = (*parsed)[i];
      check(line.empty() == (i >= raw.size()), "one record per line, empty after the last");
      if (line.empty()) continue;
      check(hasDemoKeys(line), "an accepted line holds the keys");
      check(shuffleText(line, kSeed).text == raw[i], "an accepted line shuffles back to the file's line");
      checkReplay(scratch, line);
    }
  }

  // Through the file: the same verdict as the parser (the reader's size cap aside).
  const fs::path file = demoFilePath(programFolder(), kChoice);
  fs::create_directories(file.parent_path());
  std::ofstream(file, std::ios::binary | std::ios::trunc).write(content.data(), static_cast<std::streamsize>(size));
  const auto loaded = loadDemoFile(programFolder(), kChoice);
  std::error_code ignored;
  fs::remove_all(programFolder(), ignored);
  check(loaded == parsed || (!loaded && size > kDemoLineCount * (kMaxShuffleLength + 2)),
        "loading the file agrees with parsing its bytes");
  return 0;
}
