// The demonstrations made from the scripted passes: each recording saves,
// loads and replays as the run it records, and every shipped file drives to
// its end on the ground, where the recorded run succeeded.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "demo/demo_file.h"
#include "demo/shuffle.h"
#include "drive.h"
#include "field/radar.h"
#include "run/end_of_run.h"

namespace pelvoro::drive {
namespace {

namespace fs = std::filesystem;

struct Pass {
  fs::path script;
  DriveSetup setup;
};

std::vector<Pass> passes() {
  std::vector<Pass> found;
  for (const auto& entry : fs::directory_iterator(fs::path(PELVORO_DRIVES_DIR) / "pass")) {
    if (entry.path().extension() != ".keys") continue;
    Pass p{entry.path(), {}};
    std::ifstream in(entry.path());
    std::string line;
    while (std::getline(in, line) && line.rfind('#', 0) == 0) {
      if (line.rfind("# vehicle: ", 0) == 0) p.setup.vehicle = findVehiclePreset(line.substr(11));
      if (line.rfind("# item: ", 0) == 0) p.setup.item = itemFromCaption(line.substr(8)).value_or(Item::自由练习);
      if (line == "# start-right: yes") p.setup.startRight = true;
    }
    found.push_back(p);
  }
  return found;
}

void PrintTo(const Pass& pass, std::ostream* os) { *os << pass.script.filename().string(); }

struct Recorded {
  Simulation sim;
  DriveOutcome outcome;
};

Recorded record(const Pass& pass) {
  std::ifstream in(pass.script);
  const KeyScript script = parseKeyScript(in);
  Recorded r{simulationFor(pass.setup), {}};
  startRun(r.sim, startEnvironmentFor(pass.setup));
  r.outcome = runTicks(r.sim, script.events, 240000);
  return r;
}

struct Replayed {
  Simulation sim;
  DriveOutcome outcome;
  double smallestClearance = 1e300;
};

Replayed replay(const Pass& pass, const DemoLines& lines) {
  DriveSetup setup = pass.setup;
  setup.mode = Mode::演示模式;
  StartEnvironment env = startEnvironmentFor(setup);
  env.demoLines = &lines;
  Replayed r{simulationFor(setup), {}};
  startRun(r.sim, env);
  r.outcome = runTicks(r.sim, {}, 240000, [&](long, const TickResult&) {
    r.smallestClearance = std::min(r.smallestClearance, 行车雷达(r.sim.motion, r.sim.view));
  });
  return r;
}

// The replay applies its last line in the tick that matches the success and
// ends in the next one before moving, so it stops where the exam was passed;
// only the decimal text of the recorded numbers separates the two.
void expectSamePose(const Simulation& replayed, const Simulation& recorded) {
  const double micrometre = 1e-6 * recorded.view.currentScale;
  EXPECT_NEAR(replayed.motion.vehicleX, recorded.motion.vehicleX, micrometre);
  EXPECT_NEAR(replayed.motion.vehicleY, recorded.motion.vehicleY, micrometre);
  EXPECT_NEAR(replayed.motion.heading, recorded.motion.heading, 1e-9);
}

DemoChoice choiceOf(const Simulation& sim) {
  return {sim.selection.vehicleCaption(), caption(sim.selection.item), sim.selection.startSide()};
}

class Demonstrations : public ::testing::TestWithParam<Pass> {};

TEST_P(Demonstrations, RecordSaveLoadReplay) {
  const Pass& pass = GetParam();
  const Recorded recorded = record(pass);
  ASSERT_EQ(recorded.outcome.message, "祝贺你!");
  const DemoLines& lines = recorded.sim.demo.demoLines;
  EXPECT_EQ(lines[0].rfind("abc=0.12, def=", 0), 0u) << lines[0];
  // The extra record of the success moment follows the last change, unless
  // that change came in the very tick of the success.
  const DemoBuffer& demo = recorded.sim.demo;
  ASSERT_GT(demo.demoLineIndex, 0);
  ASSERT_LT(demo.demoLineIndex, static_cast<int>(kDemoLineCount));
  const bool extraRecord = std::abs(demo.lastLineTime - recorded.sim.run.elapsedSeconds) > 0.048;
  EXPECT_EQ(!lines[static_cast<std::size_t>(demo.demoLineIndex)].empty(), extraRecord);

  const fs::path folder = fs::temp_directory_path() / ("pelvoro_demo_" + pass.script.stem().string());
  fs::remove_all(folder);
  fs::create_directories(folder);
  const DemoSaveResult saved = saveDemoFile(folder, choiceOf(recorded.sim), lines);
  ASSERT_TRUE(saved.saved) << saved.reason;
  const std::optional<DemoLines> loaded = loadDemoFile(folder, choiceOf(recorded.sim));
  fs::remove_all(folder);
  ASSERT_TRUE(loaded.has_value());
  EXPECT_EQ(*loaded, lines);

  const Replayed replayed = replay(pass, *loaded);
  EXPECT_EQ(replayed.outcome.message, "演示结束!");
  EXPECT_GT(replayed.smallestClearance, 0);  // never off the ground
  expectSamePose(replayed.sim, recorded.sim);
}

TEST_P(Demonstrations, ShippedFileReplaysToTheEnd) {
  const Pass& pass = GetParam();
  const Recorded recorded = record(pass);
  const std::optional<DemoLines> shipped = loadDemoFile(PELVORO_PROGRAM_DIR, choiceOf(recorded.sim));
  ASSERT_TRUE(shipped.has_value()) << demoFilePath(PELVORO_PROGRAM_DIR, choiceOf(recorded.sim));
  const Replayed replayed = replay(pass, *shipped);
  EXPECT_EQ(replayed.outcome.message, "演示结束!");
  EXPECT_GT(replayed.smallestClearance, 0);
  expectSamePose(replayed.sim, recorded.sim);
}

std::string passName(const ::testing::TestParamInfo<Pass>& info) {
  std::string name = info.param.script.stem().string();
  for (char& c : name)
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  return name;
}

INSTANTIATE_TEST_SUITE_P(Passes, Demonstrations, ::testing::ValuesIn(passes()), passName);

// Every shipped file belongs to a pass: nothing stale is left in the folder.
TEST(ShippedDemonstrations, OneFilePerPass) {
  std::size_t shipped = 0;
  for (const auto& entry : fs::directory_iterator(fs::path(PELVORO_PROGRAM_DIR) / "演示"))
    shipped += entry.path().extension() == ".dem";
  EXPECT_EQ(shipped, passes().size());
  EXPECT_GT(shipped, 0u);
}

}  // namespace
}  // namespace pelvoro::drive
