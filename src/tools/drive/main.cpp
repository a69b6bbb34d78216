// pelvoro-drive: runs a scripted drive headless and prints the outcome as JSON.
//
//   pelvoro-drive --vehicle CAPTION --item CAPTION [--mode 考试模式|练习模式|演示模式] [--start-right]
//                 [--ground WxH] [--closeup WxH] [--seed N] [--max-ticks N] [--trace] --keys FILE
//
// Exit status: 0 when the drive ran, 1 when the run could not start, 2 for bad arguments or keys.
#include <charconv>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "drive.h"
#include "json.h"

namespace {

using namespace pelvoro;
using namespace pelvoro::drive;

struct Arguments {
  DriveSetup setup;
  long maxTicks = 240000;
  bool trace = false;
  std::string keysFile;
};

[[noreturn]] void usageError(const std::string& message) {
  std::cerr << "pelvoro-drive: " << message << "\n"
            << "usage: pelvoro-drive --vehicle CAPTION --item CAPTION [--mode 考试模式|练习模式|演示模式]"
               " [--start-right] [--ground WxH] [--closeup WxH] [--seed N] [--max-ticks N] [--trace] --keys FILE\n";
  std::exit(2);
}

template <typename Int>
bool parseWhole(std::string_view text, Int& value) {
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  return ec == std::errc{} && end == text.data() + text.size();
}

// "WxH" with both sides whole numbers from 1 to 100000 pixels.
bool parseSize(std::string_view text, double& width, double& height) {
  const auto x = text.find('x');
  long w = 0, h = 0;
  if (x == std::string_view::npos || !parseWhole(text.substr(0, x), w) || !parseWhole(text.substr(x + 1), h))
    return false;
  if (w < 1 || h < 1 || w > 100000 || h > 100000) return false;
  width = static_cast<double>(w);
  height = static_cast<double>(h);
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
    else if (flag == "--ground") {
      if (!parseSize(value(), a.setup.groundWidth, a.setup.groundHeight)) usageError("--ground needs WxH, e.g. 478x1000");
    } else if (flag == "--closeup") {
      if (!parseSize(value(), a.setup.closeUpWidth, a.setup.closeUpHeight)) usageError("--closeup needs WxH, e.g. 1436x1000");
    } else if (flag == "--seed") {
      if (!parseWhole(value(), a.setup.seed)) usageError("--seed needs a whole number");
    } else if (flag == "--max-ticks") {
      if (!parseWhole(value(), a.maxTicks) || a.maxTicks < 0) usageError("--max-ticks needs a whole number >= 0");
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
  if (a.setup.mode == Mode::演示模式) usageError("演示模式 needs a demonstration file");
  if (a.keysFile.empty()) usageError("--keys FILE is required");
  return a;
}

std::string stateFields(const Simulation& sim) {
  const MotionState& m = sim.motion;
  return ",\"judgeStage\":" + std::to_string(sim.run.judgeStage) + ",\"vehicleX\":" + jsonNumber(m.vehicleX) +
         ",\"vehicleY\":" + jsonNumber(m.vehicleY) + ",\"heading\":" + jsonNumber(m.heading) +
         ",\"speed\":" + jsonNumber(m.speed) + ",\"steerAngle\":" + jsonNumber(m.steerAngle);
}

}  // namespace

int main(int argc, char** argv) {
  const Arguments args = parseArguments(argc, argv);

  std::ifstream keys(args.keysFile);
  if (!keys) usageError("cannot read the keys file " + args.keysFile);
  const KeyScript script = parseKeyScript(keys);
  if (script.error) {
    std::cerr << "pelvoro-drive: " << args.keysFile << ":" << script.error->line << ": " << script.error->reason
              << "\n";
    return 2;
  }

  Simulation sim = simulationFor(args.setup);
  if (startRun(sim, startEnvironmentFor(args.setup)) == StartResult::VehicleTooLarge) {
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
  return 0;
}
