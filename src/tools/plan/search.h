// The search for a drive: groups of legs, each searched at random and then
// locally for the least error to a target pose without a fault, chained
// greedily with backtracking when a later group finds no way on.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "driver.h"

namespace pelvoro::plan {

// A leg whose phases the search chooses.
struct LegShape {
  int direction = 1;
  int speedSteps = 0;   // as Leg::speedSteps
  bool stop = false;
  int phases = 2;       // searched phases
  int maxTicks = 100;   // longest searched phase
  int runOutTicks = 0;  // a straight phase after the searched ones, to run on to the verdict
};

struct Group {
  std::string name;  // for the report
  std::vector<LegShape> legs;
  // Distance from the target after the group, metres (a heading error weighed in).
  std::function<double(const Drive&)> error;
  double tolerance = 0.3;     // error accepted to go on to the next group, metres
  bool needsSuccess = false;  // the last group: only "祝贺你!" will do
};

struct SearchSettings {
  std::uint64_t seed = 1;
  int restarts = 12;       // independent searches per group; each gives one way on
  int samples = 500;       // random plans per restart
  int iterations = 6000;   // local changes per restart
  int branches = 3;        // ways on tried per group before backtracking
  int groupSearches = 60;  // searches in all, so that a hopeless item ends
};

// The best attempt when no drive was found: how far it got and why it stopped.
struct Failure {
  std::size_t group = 0;  // the group that found no way on
  double cost = 0;
  std::string message;    // the fault of its best attempt, or "" when it only missed the target
  std::string pose;       // where that attempt ended
  std::vector<drive::KeyEvent> keys;  // the keys of that attempt, to replay it
};

struct SearchResult {
  bool found = false;
  Drive drive;  // the whole drive when found
  Failure failure;
  int searches = 0;
};

SearchResult searchDrive(const Drive& start, const std::vector<Group>& groups, const SearchSettings& settings);

}  // namespace pelvoro::plan
