// Runs every key file under this folder from Start to its verdict and checks
// the verdict named in its header; a pass must also end on the ground and,
// for the items that count their stages, in the last one.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "drive.h"
#include "field/radar.h"

namespace pelvoro::drive {
namespace {

namespace fs = std::filesystem;

// A drive's header: "# key: value" lines before the first key.
struct DriveFile {
  fs::path path;
  std::map<std::string, std::string> header;
};

void PrintTo(const DriveFile& file, std::ostream* os) { *os << file.path.string(); }

std::map<std::string, std::string> readHeader(std::istream& in) {
  std::map<std::string, std::string> header;
  std::string line;
  while (std::getline(in, line) && line.rfind('#', 0) == 0) {
    const auto colon = line.find(':');
    if (colon == std::string::npos) continue;
    const auto key = line.substr(1, colon - 1);
    const auto value = line.substr(colon + 1);
    const auto trim = [](const std::string& s) {
      const auto first = s.find_first_not_of(' ');
      const auto last = s.find_last_not_of(" \r");
      return first == std::string::npos ? std::string{} : s.substr(first, last - first + 1);
    };
    header[trim(key)] = trim(value);
  }
  return header;
}

std::vector<DriveFile> driveFiles() {
  std::vector<DriveFile> files;
  for (const auto& entry : fs::recursive_directory_iterator(PELVORO_DRIVES_DIR)) {
    if (entry.path().extension() != ".keys") continue;
    std::ifstream in(entry.path());
    files.push_back({entry.path(), readHeader(in)});
  }
  std::sort(files.begin(), files.end(), [](const DriveFile& a, const DriveFile& b) { return a.path < b.path; });
  return files;
}

// "pass/lingshuai_pole_test.keys" -> "pass_lingshuai_pole_test".
std::string testName(const ::testing::TestParamInfo<DriveFile>& info) {
  std::string name = fs::relative(info.param.path, PELVORO_DRIVES_DIR).replace_extension().string();
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

// The stage a pass ends in, for the items whose counter has a last value.
std::optional<int> lastStage(Item item) {
  switch (item) {
    case Item::桩考: return 8;
    case Item::侧方停车: return 2;
    case Item::通过连续障碍: return 6;
    case Item::通过单边桥: return 4;
    case Item::限速通过限宽门: return 7;
    case Item::场地公路调头: return 5;
    default: return std::nullopt;
  }
}

// The four-hour timeout comes at tick 240000; a little more room shows a drive that never ends.
constexpr long kMaxTicks = 240100;

class ScriptedDrive : public ::testing::TestWithParam<DriveFile> {};

TEST_P(ScriptedDrive, EndsWithItsExpectedVerdict) {
  const DriveFile& file = GetParam();
  const auto field = [&](const std::string& key) {
    const auto it = file.header.find(key);
    return it == file.header.end() ? std::string{} : it->second;
  };
  DriveSetup setup;
  setup.vehicle = findVehiclePreset(field("vehicle"));
  ASSERT_NE(setup.vehicle, nullptr) << "vehicle: " << field("vehicle");
  const auto item = itemFromCaption(field("item"));
  ASSERT_TRUE(item) << "item: " << field("item");
  setup.item = *item;
  const auto mode = modeFromCaption(field("mode"));
  ASSERT_TRUE(mode && *mode != Mode::演示模式) << "mode: " << field("mode");
  setup.mode = *mode;
  ASSERT_TRUE(field("start-right") == "yes" || field("start-right") == "no") << "start-right: " << field("start-right");
  setup.startRight = field("start-right") == "yes";
  const std::string expected = field("expect");
  ASSERT_FALSE(expected.empty()) << "no expect: line";

  std::ifstream in(file.path);
  const KeyScript script = parseKeyScript(in);
  ASSERT_FALSE(script.error) << "line " << script.error->line << ": " << script.error->reason;

  Simulation sim = simulationFor(setup);
  ASSERT_EQ(startRun(sim, startEnvironmentFor(setup)), StartResult::Running);
  const DriveOutcome outcome = runTicks(sim, script.events, kMaxTicks);
  ASSERT_TRUE(outcome.ended) << "still running after " << outcome.ticks << " ticks";
  EXPECT_EQ(outcome.message, expected) << "at tick " << outcome.ticks;
  // Keys scripted after the verdict would mean the drive is not the one that was recorded.
  if (!script.events.empty()) {
    EXPECT_LE(script.events.back().tick, outcome.ticks);
  }

  if (expected == "祝贺你!") {
    EXPECT_GT(行车雷达(sim.motion, sim.view), 0) << "a pass must end with the body on the ground";
    if (const auto stage = lastStage(setup.item)) {
      EXPECT_EQ(sim.run.judgeStage, *stage);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Drives, ScriptedDrive, ::testing::ValuesIn(driveFiles()), testName);

}  // namespace
}  // namespace pelvoro::drive
