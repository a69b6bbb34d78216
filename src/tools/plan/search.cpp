#include "search.h"

#include <algorithm>
#include <cstdio>
#include <random>

#include "run/end_of_run.h"

namespace pelvoro::plan {

namespace {

// Costs: any plan without a fault beats any with one; a success beats all.
constexpr double kFaultCost = 1e6;
constexpr double kNoSuccessCost = 1e3;

// A plan of one group, flattened: per leg and phase its steering level and ticks.
using Genes = std::vector<int>;

struct Attempt {
  Genes genes;
  double cost = 0;
  Drive end;
};

std::vector<Leg> decode(const Group& g, const Genes& genes) {
  std::vector<Leg> legs;
  std::size_t i = 0;
  for (const LegShape& shape : g.legs) {
    Leg leg{shape.direction, shape.speedSteps, {}, shape.stop};
    for (int p = 0; p < shape.phases; ++p, i += 2) leg.phases.push_back({genes[i], genes[i + 1]});
    if (shape.runOutTicks > 0) leg.phases.push_back({0, shape.runOutTicks});
    legs.push_back(std::move(leg));
  }
  return legs;
}

int maxTicksOf(const Group& g, std::size_t gene) {
  std::size_t i = 0;
  for (const LegShape& shape : g.legs) {
    i += 2 * static_cast<std::size_t>(shape.phases);
    if (gene < i) return shape.maxTicks;
  }
  return 0;
}

bool isSuccess(const Drive& d) { return d.ended && classifyMessage(d.message) == MessageClass::Success; }

double costOf(const Group& g, const Drive& d) {
  if (isSuccess(d)) return 0;
  if (d.ended) return kFaultCost + g.error(d);
  return (g.needsSuccess ? kNoSuccessCost : 0) + g.error(d);
}

// The group's legs in turn. The last one ends where it came nearest to the
// target (a leg that turns on past its target is not worse for it), unless
// only a success will do; a cut leg is driven again, so that a stop at the
// cut is judged too.
Attempt evaluate(const Drive& start, const Group& g, const Genes& genes) {
  const std::vector<Leg> legs = decode(g, genes);
  Attempt a{genes, 0, start};
  for (std::size_t i = 0; i + 1 < legs.size() && !a.end.ended; ++i) driveLeg(a.end, legs[i]);
  if (a.end.ended) {
    a.cost = costOf(g, a.end);
    return a;
  }
  const Drive beforeLast = a.end;
  int ticks = 0, bestTicks = 0;
  double bestError = g.error(a.end);
  const auto nearest = [&](const Drive& d) {
    ++ticks;
    if (d.ended) return;
    const double e = g.error(d);
    if (e < bestError) {
      bestError = e;
      bestTicks = ticks;
    }
  };
  driveLeg(a.end, legs.back(), g.needsSuccess ? std::function<void(const Drive&)>{} : nearest);
  a.cost = costOf(g, a.end);
  if (g.needsSuccess || isSuccess(a.end) || bestTicks == 0 || bestTicks == ticks) return a;
  // A stop at the cut may be judged a fault where the stop at the end is not.
  Attempt cut{genes, 0, beforeLast};
  driveLeg(cut.end, truncated(legs.back(), bestTicks));
  cut.cost = costOf(g, cut.end);
  return cut.cost < a.cost ? cut : a;
}

class Searcher {
 public:
  Searcher(const Group& g, std::uint64_t seed) : group_(g), rng_(seed) {
    for (const LegShape& shape : g.legs) geneCount_ += 2 * static_cast<std::size_t>(shape.phases);
  }

  Attempt run(const Drive& start, const SearchSettings& s) {
    Attempt best = evaluate(start, group_, randomGenes());
    for (int i = 1; i < s.samples && best.cost > 0; ++i) keepBetter(best, evaluate(start, group_, randomGenes()));
    // Local search; equal costs are accepted so that plateaus are crossed.
    // Well inside the tolerance is good enough; the next group starts from here.
    const double enough = group_.needsSuccess ? 0 : group_.tolerance / 10;
    for (int i = 0; i < s.iterations && best.cost > enough; ++i) {
      Attempt next = evaluate(start, group_, mutated(best.genes));
      if (next.cost <= best.cost) best = std::move(next);
    }
    return best;
  }

 private:
  int uniform(int lo, int hi) { return lo + static_cast<int>(rng_() % static_cast<std::uint64_t>(hi - lo + 1)); }

  Genes randomGenes() {
    Genes genes(geneCount_);
    for (std::size_t i = 0; i < geneCount_; i += 2) {
      // Straight is the most useful single level, so it is drawn more often.
      genes[i] = uniform(0, 2) == 0 ? 0 : uniform(-kFullLock, kFullLock);
      genes[i + 1] = uniform(0, maxTicksOf(group_, i));
    }
    return genes;
  }

  Genes mutated(Genes genes) {
    const std::size_t phases = geneCount_ / 2;
    const std::size_t p = static_cast<std::size_t>(uniform(0, static_cast<int>(phases) - 1));
    const int maxTicks = maxTicksOf(group_, 2 * p);
    const int reach = std::max(2, maxTicks / 10);
    int& steer = genes[2 * p];
    int& ticks = genes[2 * p + 1];
    switch (uniform(0, 9)) {
      case 0: case 1: case 2: case 3:  // one steering step either way
        steer = std::clamp(steer + (uniform(0, 1) ? 1 : -1), -kFullLock, kFullLock);
        break;
      case 4: case 5: case 6:  // a little longer or shorter
        ticks = std::clamp(ticks + uniform(-reach, reach), 0, maxTicks);
        break;
      case 7: case 8:  // move the change between this phase and the next earlier or later
        if (p + 1 < phases && maxTicksOf(group_, 2 * p + 2) == maxTicks) {
          const int shift = std::clamp(uniform(-reach, reach), -ticks, genes[2 * p + 3]);
          ticks = std::min(ticks + shift, maxTicks);
          genes[2 * p + 3] = std::min(genes[2 * p + 3] - shift, maxTicks);
        }
        break;
      default:  // a new phase
        steer = uniform(-kFullLock, kFullLock);
        ticks = uniform(0, maxTicks);
    }
    return genes;
  }

  static void keepBetter(Attempt& best, Attempt next) {
    if (next.cost < best.cost) best = std::move(next);
  }

  const Group& group_;
  std::mt19937_64 rng_;
  std::size_t geneCount_ = 0;
};

std::string poseText(const Drive& d) {
  const MotionState& m = d.sim.motion;
  char text[160];
  std::snprintf(text, sizeof text, "tick %ld, rear axle (%.1f, %.1f), heading %.3f rad, judgeStage %d", d.nextTick - 1,
                m.vehicleX, m.vehicleY, m.heading, d.sim.run.judgeStage);
  return text;
}

class ChainSearch {
 public:
  ChainSearch(const std::vector<Group>& groups, const SearchSettings& s) : groups_(groups), settings_(s) {}

  bool solve(const Drive& d, std::size_t index, SearchResult& result) {
    if (result.searches >= settings_.groupSearches) return false;
    const Group& g = groups_[index];
    std::vector<Attempt> ways;
    int good = 0;
    for (int r = 0; r < settings_.restarts && good < settings_.branches; ++r) {
      // A fixed seed per search keeps the whole tool repeatable.
      Searcher searcher(g, settings_.seed * 1000003 + static_cast<std::uint64_t>(result.searches) * 7919 +
                               static_cast<std::uint64_t>(r));
      ways.push_back(searcher.run(d, settings_));
      if (isSuccess(ways.back().end)) break;
      if (!ways.back().end.ended && ways.back().cost <= g.tolerance) ++good;
    }
    ++result.searches;
    std::stable_sort(ways.begin(), ways.end(), [](const Attempt& a, const Attempt& b) { return a.cost < b.cost; });
    noteFailure(index, ways.front(), result);

    int tried = 0;
    for (const Attempt& way : ways) {
      if (isSuccess(way.end)) {
        result.found = true;
        result.drive = way.end;
        return true;
      }
      if (way.end.ended || way.cost > g.tolerance || index + 1 == groups_.size()) break;
      if (++tried > settings_.branches) break;
      if (solve(way.end, index + 1, result)) return true;
    }
    return false;
  }

 private:
  // The failure reported is that of the furthest group reached, its best attempt.
  void noteFailure(std::size_t index, const Attempt& best, SearchResult& result) {
    Failure& f = result.failure;
    const bool further = index > f.group || result.searches == 1;
    if (!further && !(index == f.group && best.cost < f.cost)) return;
    f = {index, best.cost, best.end.ended ? best.end.message : "", poseText(best.end), best.end.keys};
  }

  const std::vector<Group>& groups_;
  const SearchSettings& settings_;
};

}  // namespace

SearchResult searchDrive(const Drive& start, const std::vector<Group>& groups, const SearchSettings& settings) {
  SearchResult result;
  ChainSearch(groups, settings).solve(start, 0, result);
  return result;
}

}  // namespace pelvoro::plan
