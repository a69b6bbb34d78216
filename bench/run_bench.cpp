// The cost of one exam tick of each item, mid-run: the pass drive of the
// default vehicle is run to half its length, then a stretch of its ticks
// (keys included) is timed again and again from that state.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>

#include "drive.h"
#include "model/catalogue.h"
#include "run/keyboard.h"

namespace {

using namespace pelvoro;
using namespace pelvoro::drive;

constexpr long kTimedTicks = 50;  // ticks per timed stretch; the restore between stretches is not timed

struct MidRun {
  Simulation sim;
  std::vector<KeyEvent> keys;  // the drive's keys from the middle on
  long firstTick = 0;
};

MidRun midRun(Item item, const std::string& file) {
  std::ifstream in(std::string(PELVORO_PASS_DRIVES_DIR) + "/" + file);
  const KeyScript script = parseKeyScript(in);
  DriveSetup setup;
  setup.vehicle = findVehiclePreset("东南菱帅");
  setup.item = item;
  MidRun r{simulationFor(setup), {}, 0};
  startRun(r.sim, startEnvironmentFor(setup));
  const long total = runTicks(r.sim, script.events, 240000).ticks;
  // Run again to the middle, keeping the keys that follow it.
  r.sim = simulationFor(setup);
  startRun(r.sim, startEnvironmentFor(setup));
  const long half = total / 2;
  runTicks(r.sim, script.events, half);
  for (const KeyEvent& k : script.events)
    if (k.tick > half) r.keys.push_back({k.tick - half, k.key});
  r.firstTick = half + 1;
  return r;
}

void BM_ExamTick(benchmark::State& state, Item item, const char* file) {
  const MidRun start = midRun(item, file);
  Simulation sim = start.sim;
  for (auto _ : state) {
    state.PauseTiming();
    sim = start.sim;
    state.ResumeTiming();
    auto next = start.keys.begin();
    for (long t = 1; t <= kTimedTicks; ++t) {
      for (; next != start.keys.end() && next->tick <= t; ++next) handleRunKey(sim, next->key);
      benchmark::DoNotOptimize(tick(sim, kScreenWidth, kScreenHeight));
    }
  }
  // Seconds per tick rather than per stretch.
  state.counters["per_tick"] = benchmark::Counter(static_cast<double>(kTimedTicks),
                                                  benchmark::Counter::kIsIterationInvariantRate |
                                                      benchmark::Counter::kInvert);
}

BENCHMARK_CAPTURE(BM_ExamTick, 桩考, Item::桩考, "lingshuai_pole_test.keys");
BENCHMARK_CAPTURE(BM_ExamTick, 侧方停车, Item::侧方停车, "lingshuai_side_parking.keys");
BENCHMARK_CAPTURE(BM_ExamTick, 直角转弯, Item::直角转弯, "lingshuai_right_angle_turn.keys");
BENCHMARK_CAPTURE(BM_ExamTick, 曲线行驶, Item::曲线行驶, "lingshuai_curve.keys");
BENCHMARK_CAPTURE(BM_ExamTick, 通过连续障碍, Item::通过连续障碍, "lingshuai_obstacles.keys");
BENCHMARK_CAPTURE(BM_ExamTick, 通过单边桥, Item::通过单边桥, "lingshuai_bridge.keys");
BENCHMARK_CAPTURE(BM_ExamTick, 限速通过限宽门, Item::限速通过限宽门, "lingshuai_width_gates.keys");
BENCHMARK_CAPTURE(BM_ExamTick, 场地公路调头, Item::场地公路调头, "lingshuai_u_turn.keys");

}  // namespace

BENCHMARK_MAIN();
