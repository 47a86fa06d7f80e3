// The p-V diagram: volumes from top dead centre or with the clearance volume,
// absolute pressures on the log-log axes, and the diagram it cannot draw.
#include "plots/pv_diagram.h"

#include <gtest/gtest.h>

#include "core/display_units.h"
#include "core/indicated.h"
#include "core/pressure_trace.h"
#include "core/runtime_error.h"
#include "tests/support/engine_fixture.h"

namespace zorvan::testing {
namespace {

TEST(PvDiagram, VolumesPressuresAndAxes) {
  auto d = Example(2);
  const double displacement = ToDisplay(d->CylinderDisplacement, Quantity::Volume, d->UnitSystem);
  const PvDiagram swept = BuildPvDiagram(*d, false, std::nullopt);
  ASSERT_EQ(swept.loops.size(), 1u);
  const PvLoop& l = swept.loops[0];
  ASSERT_EQ(l.volume.size(), 240u);
  EXPECT_NEAR(l.volume[0], 0, 1e-9);
  EXPECT_NEAR(l.volume[60], displacement, 1e-4 * displacement);  // 180 degrees: bottom dead centre
  EXPECT_LE(swept.left, 0);
  EXPECT_GE(swept.right, displacement);
  EXPECT_NE(swept.xTitle.find("swept from top dead centre"), std::string::npos);
  EXPECT_THROW(BuildPvDiagram(*d, true, std::nullopt), RunTimeError);
  const PvDiagram log = BuildPvDiagram(*d, true, 11);
  EXPECT_NEAR(log.loops[0].volume[0], displacement / 10, 1e-6 * displacement);
  EXPECT_NEAR(log.loops[0].pressure[0] - l.pressure[0], kStandardAtmosphereBar, 1e-9);
  EXPECT_LE(log.bottom, std::log10(log.loops[0].pressure[100]));
  EXPECT_EQ(PvDiagramCsv(log).substr(0, 43), "angle (deg),V (in^3),p (bar abs)\r\n0,2.5,29.");
}

}  // namespace
}  // namespace zorvan::testing
