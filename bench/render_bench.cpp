// One full-screen frame of the busiest item with every trajectory line on:
// building its display lists, and painting them with QPainter.
#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include "core/field/ground_fixture.h"
#include "platform/display_list_painter.h"
#include "render/vehicle_drawing.h"
#include "run/simulation.h"

namespace pelvoro {
namespace {

// A 1920 × 1080 screen split 3 : 1, as ground_fixture lays it out.
const QSize kCloseUp(1436, 1000), kGround(478, 1000);

// The width gates: the most shapes of any item (three gates of lines and poles in both panes).
Simulation scene(bool turning) {
  const testing::Ground g = testing::prepareGround(Item::限速通过限宽门, "东南菱帅");
  Simulation sim;
  sim.selection.item = Item::限速通过限宽门;
  sim.selection.bodyTraceLine = sim.selection.frontWheelTraceLine = sim.selection.rearWheelTraceLine = {true, true};
  sim.vehicle = g.vehicle;
  sim.view = g.view;
  sim.field = g.field;
  sim.motion = g.motion;
  sim.motion.heading += 0.3;  // the close-up turned
  sim.motion.steerAngle = turning ? 0.3 : 0;
  计算定位(sim.motion, sim.vehicle, 0, 0);
  return sim;
}

void BM_BuildFrame(benchmark::State& state) {
  const Simulation sim = scene(state.range(0) != 0);
  const FrameSettings settings;
  for (auto _ : state) {
    Frame frame = 画车辆(sim, settings);
    benchmark::DoNotOptimize(frame);
  }
}
BENCHMARK(BM_BuildFrame)->ArgName("turning")->Arg(0)->Arg(1);

void BM_PaintFrame(benchmark::State& state) {
  const Frame frame = 画车辆(scene(state.range(0) != 0), FrameSettings{});
  QImage closeUp(kCloseUp, QImage::Format_RGB32), ground(kGround, QImage::Format_RGB32);
  for (auto _ : state) {
    QPainter left(&closeUp);
    playDisplayList(frame.closeUp, left, closeUp.rect());
    left.end();
    QPainter right(&ground);
    playDisplayList(frame.ground, right, ground.rect());
    right.end();
    benchmark::ClobberMemory();
  }
  state.counters["primitives"] = static_cast<double>(frame.closeUp.primitives.size() + frame.ground.primitives.size());
}
BENCHMARK(BM_PaintFrame)->ArgName("turning")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace pelvoro
