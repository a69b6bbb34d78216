// pelvoro-drive: runs a scripted drive headless and prints the outcome as JSON.
//
//   pelvoro-drive --vehicle CAPTION --item CAPTION [--mode 考试模式|练习模式|演示模式] [--start-right]
//                 [--ground WxH] [--closeup WxH] [--seed N] [--max-ticks N] [--trace] --keys FILE
//                 [--demo FILE] [--save-demo FILE] [--snapshot FILE.png]
//
// --demo replays a demonstration file in 演示模式 (keys are then optional and
// ignored, as in the program); --save-demo writes the run as a demonstration
// file when an exam ends with a success (and exits with 1 when it does not); --snapshot draws both panes of the
// last tick side by side, as the window shows them.
//
// Exit status: 0 when the drive ran, 1 when the run could not start or the
// demonstration could not be saved, 2 for bad arguments or keys.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "demo/demo_file.h"
#include "demo/shuffle.h"
#include "drive.h"
#include "json.h"
#include "platform/snapshot.h"
#include "render/vehicle_drawing.h"
#include "run/end_of_run.h"

namespace {

using namespace pelvoro;
using namespace pelvoro::drive;

struct Arguments {
  DriveSetup setup;
  long maxTicks = 240000;
  bool trace = false;
  std::string keysFile;
  std::string demoFile;
  std::string saveDemoFile;
  std::string snapshotFile;
};

[[noreturn]] void usageError(const std::string& message) {
  std::cerr << "pelvoro-drive: " << message << "\n"
            << "usage: pelvoro-drive --vehicle CAPTION --item CAPTION [--mode 考试模式|练习模式|演示模式]"
               " [--start-right] [--ground WxH] [--closeup WxH] [--seed N] [--max-ticks N] [--trace] --keys FILE"
               " [--demo FILE] [--save-demo FILE] [--snapshot FILE.png]\n";
  std::exit(2);
}

// "WxH" with both sides whole numbers from 1 to 100000 pixels.
bool parseSize(std::string_view text, double& width, double& height) {
  const auto x = text.find('x');
  if (x == std::string_view::npos) return false;
  const auto w = parseWhole<long>(text.substr(0, x)), h = parseWhole<long>(text.substr(x + 1));
  if (!w || !h || *w < 1 || *h < 1 || *w > 100000 || *h > 100000) return false;
  width = static_cast<double>(*w);
  height = static_cast<double>(*h);
  return true;
}

Arguments parseArguments(int argc, char** argv) {
  Arguments a;
  std::string vehicle, item, mode = "考试模式";
  for (int i = 1; i < argc; ++i) {
    const std::string_view flag = argv[i];
    const auto value = [&]() -> std::string_view {
      if (i + 1 >= argc) usageError(std::string(flag) + " needs a value");
      return argv[++i];
    };
    if (flag == "--vehicle") vehicle = value();
    else if (flag == "--item") item = value();
    else if (flag == "--mode") mode = value();
    else if (flag == "--start-right") a.setup.startRight = true;
    else if (flag == "--trace") a.trace = true;
    else if (flag == "--keys") a.keysFile = value();
    else if (flag == "--demo") a.demoFile = value();
    else if (flag == "--save-demo") a.saveDemoFile = value();
    else if (flag == "--snapshot") a.snapshotFile = value();
    else if (flag == "--ground") {
      if (!parseSize(value(), a.setup.groundWidth, a.setup.groundHeight)) usageError("--ground needs WxH, e.g. 478x1000");
    } else if (flag == "--closeup") {
      if (!parseSize(value(), a.setup.closeUpWidth, a.setup.closeUpHeight)) usageError("--closeup needs WxH, e.g. 1436x1000");
    } else if (flag == "--seed") {
      const auto seed = parseWhole<std::uint64_t>(value());
      if (!seed) usageError("--seed needs a whole number");
      a.setup.seed = *seed;
    } else if (flag == "--max-ticks") {
      const auto ticks = parseWhole<long>(value());
      if (!ticks || *ticks < 0) usageError("--max-ticks needs a whole number >= 0");
      a.maxTicks = *ticks;
    } else {
      usageError("unknown option " + std::string(flag));
    }
  }
  a.setup.vehicle = findVehiclePreset(vehicle);
  if (!a.setup.vehicle) usageError("unknown vehicle \"" + vehicle + "\"");
  const auto itemValue = itemFromCaption(item);
  if (!itemValue) usageError("unknown item \"" + item + "\"");
  a.setup.item = *itemValue;
  const auto modeValue = modeFromCaption(mode);
  if (!modeValue) usageError("unknown mode \"" + mode + "\"");
  a.setup.mode = *modeValue;
  if (a.setup.mode == Mode::考试模式 && !hasGround(a.setup.item)) usageError("自由练习 has no exam; use --mode 练习模式");
  const bool demonstration = a.setup.mode == Mode::演示模式;
  if (demonstration != !a.demoFile.empty()) usageError("--demo FILE goes with --mode 演示模式, and only with it");
  if (a.keysFile.empty() && !demonstration) usageError("--keys FILE is required");
  return a;
}

std::string stateFields(const Simulation& sim) {
  const MotionState& m = sim.motion;
  return ",\"judgeStage\":" + std::to_string(sim.run.judgeStage) + ",\"vehicleX\":" + jsonNumber(m.vehicleX) +
         ",\"vehicleY\":" + jsonNumber(m.vehicleY) + ",\"heading\":" + jsonNumber(m.heading) +
         ",\"speed\":" + jsonNumber(m.speed) + ",\"steerAngle\":" + jsonNumber(m.steerAngle);
}

KeyScript readKeys(const std::string& file) {
  if (file.empty()) return {};
  std::ifstream keys(file);
  if (!keys) usageError("cannot read the keys file " + file);
  KeyScript script = parseKeyScript(keys);
  if (script.error) {
    std::cerr << "pelvoro-drive: " << file << ":" << script.error->line << ": " << script.error->reason << "\n";
    std::exit(2);
  }
  return script;
}

std::size_t seedLength(const DriveSetup& setup) {
  return shuffleSeedLength(setup.vehicle->caption, caption(setup.item));
}

}  // namespace

int main(int argc, char** argv) {
  const Arguments args = parseArguments(argc, argv);
  const KeyScript script = readKeys(args.keysFile);

  StartEnvironment env = startEnvironmentFor(args.setup);
  std::optional<DemoLines> demoLines;
  if (!args.demoFile.empty()) {
    demoLines = readDemoFile(args.demoFile, seedLength(args.setup));
    if (!demoLines) {
      std::cout << "{\"error\":" << jsonString("不是有效的演示文件!") << "}\n";
      return 1;
    }
    env.demoLines = &*demoLines;
  }

  Simulation sim = simulationFor(args.setup);
  if (startRun(sim, env) == StartResult::VehicleTooLarge) {
    std::cout << "{\"error\":" << jsonString("你选的车型太大了!") << "}\n";
    return 1;
  }

  const auto traceLine = [&](long t, const TickResult& r) {
    std::cout << "{\"tick\":" << t << ",\"message\":" << jsonString(r.message) << stateFields(sim) << "}\n";
  };
  const DriveOutcome outcome =
      runTicks(sim, script.events, args.maxTicks, args.trace ? traceLine : std::function<void(long, const TickResult&)>{});

  std::cout << "{\"message\":" << jsonString(outcome.message) << ",\"ended\":" << (outcome.ended ? "true" : "false")
            << ",\"ticks\":" << outcome.ticks << ",\"elapsedSeconds\":" << jsonNumber(sim.run.elapsedSeconds)
            << stateFields(sim) << ",\"currentScale\":" << jsonNumber(sim.view.currentScale) << "}\n";

  if (!args.snapshotFile.empty()) {
    const QSize closeUp(static_cast<int>(args.setup.closeUpWidth), static_cast<int>(args.setup.closeUpHeight));
    const QSize ground(static_cast<int>(args.setup.groundWidth), static_cast<int>(args.setup.groundHeight));
    if (!saveFrameSnapshot(画车辆(sim, FrameSettings{}), closeUp, ground, QString::fromStdString(args.snapshotFile))) {
      std::cerr << "pelvoro-drive: cannot write " << args.snapshotFile << "\n";
      return 1;
    }
  }

  if (!args.saveDemoFile.empty()) {
    if (sim.selection.mode != Mode::考试模式 || classifyMessage(outcome.message) != MessageClass::Success) {
      std::cerr << "pelvoro-drive: not saved as a demonstration: the exam did not pass\n";
      return 1;
    }
    const DemoSaveResult saved = writeDemoFile(args.saveDemoFile, seedLength(args.setup), sim.demo.demoLines);
    if (!saved.saved) {
      std::cerr << "pelvoro-drive: " << saved.reason << "\n";
      return 1;
    }
  }
  return 0;
}
