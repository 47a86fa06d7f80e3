#pragma once
// Designs for the one-cylinder tests: the start-up design through the program's
// own start-up, and a design whose derived fields are written by hand so the
// formulas of the pass can be checked on their own.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "core/startup.h"
#include "core/counterweight.h"
#include "core/design.h"
#include "core/one_cylinder.h"
#include "core/runtime_error.h"
#include "platform/messages.h"

namespace zorvan::testing {

inline std::unique_ptr<EngineDesignRecord> StartUpDesign() {
  auto d = std::make_unique<EngineDesignRecord>();
  MessageList told;
  EXPECT_TRUE(Initialize(*d, told));
  EXPECT_TRUE(told.Empty());
  return d;
}

// The lumped masses of the two-mass model from the entered masses.
inline void LumpMasses(EngineDesignRecord& d) {
  d.ConrodMassAtWristpin = d.ConrodMass * d.ConrodCGFraction;
  d.RodMassAtCrankpin = (1 - d.ConrodCGFraction) * d.ConrodMass;
  d.ConrodMassAtCrankpin = d.RodMassAtCrankpin;
  d.CrankMassAtCrankpin = d.CrankCGFraction * d.CrankMass;
  d.MassAtCrankpin = d.CrankMassAtCrankpin + d.RodMassAtCrankpin;
  d.MassAtWristpin = d.PistonMass + d.ConrodMassAtWristpin;
}

// The start-up cylinder at mid speed (3400 rev/min), derived by hand.
inline std::unique_ptr<EngineDesignRecord> HandDesign() {
  auto p = std::make_unique<EngineDesignRecord>();
  EngineDesignRecord& d = *p;
  WriteDefaultCylinder(d);
  d.PistonArea = 7.0685835f;
  d.Stroke = 3.5367765f;
  d.CrankRadius = 1.7683883f;
  d.ConrodLength = 6.189359f;
  d.Omega = 356.0472f;
  d.OmegaSquared = d.Omega * d.Omega;
  LumpMasses(d);
  d.LastStep = 240;
  return p;
}

// Runs the pass on a design that must succeed.
inline void RunPass(EngineDesignRecord& d) {
  MessageList told;
  ASSERT_TRUE(OneCylinderPass(d, told));
  ASSERT_TRUE(told.Empty()) << told.All().front().text;
}

// Runs the counterweight pass after a fresh one-cylinder pass; it must succeed.
inline void RunCounterweightPass(EngineDesignRecord& d) {
  MessageList told;
  ASSERT_TRUE(CounterweightPass(d, told));
  ASSERT_TRUE(told.Empty()) << told.All().front().text;
}

constexpr double kDeg = 3.141592654 / 180;

}  // namespace zorvan::testing
