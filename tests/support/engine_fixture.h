#pragma once
// Engines for the multi-cylinder tests: the start-up design, the presets and
// designs of one's own, run through the whole calculation chain.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <memory>

#include "core/assembly.h"
#include "core/counterweight.h"
#include "core/design.h"
#include "core/one_cylinder.h"
#include "core/presets.h"
#include "core/recalculate.h"
#include "tests/support/one_cylinder_fixture.h"
#include "platform/messages.h"

namespace zorvan::testing {

inline std::unique_ptr<EngineDesignRecord> StartUp() { return StartUpDesign(); }

// A preset loaded as the configuration screen's example list loads it.
inline std::unique_ptr<EngineDesignRecord> Example(int k) {
  auto d = StartUp();
  MessageList told;
  EXPECT_TRUE(LoadExample(*d, k, told));
  EXPECT_TRUE(told.Empty()) << told.All().front().text;
  return d;
}

// Sets the crank rows of cylinders 1..n: phase, firing order, firing angle.
inline void SetRows(EngineDesignRecord& d, std::initializer_list<float> phase, std::initializer_list<float> order,
                    std::initializer_list<float> firing) {
  d.NumCylinders = static_cast<int16_t>(phase.size());
  int c = 1;
  for (float v : phase) d.PhaseAngle[c++] = v;
  c = 1;
  for (float v : order) d.FiringOrder[c++] = v;
  c = 1;
  for (float v : firing) d.FiringAngle[c++] = v;
}

// Derives the design and runs the chain; returns what the user was told.
inline MessageList Recalculate(EngineDesignRecord& d) {
  MessageList told;
  Engine_Data(d, told);
  RecalculateAll(d, told);
  return told;
}

constexpr double kDegrees = 3.141592654 / 180;

inline float Force(const EngineDesignRecord& d, int row, int slot, int component, int group) {
  return d.table.ShakingForce[row][ShakingColumn(slot, component, group)];
}
inline float Moment(const EngineDesignRecord& d, int row, int slot, int component, int group) {
  return d.table.ShakingMoment[row][ShakingColumn(slot, component, group)];
}

}  // namespace zorvan::testing
