// The linkage picture as recorded canvas calls: banks, piston angles, the
// counterweight, the zoom, and the animation's frames and timing.
#include "plots/linkage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "tests/support/recording_ui.h"
#include "tests/support/engine_fixture.h"

namespace zorvan::testing {
namespace {

std::vector<CanvasCall> Calls(const RecordingCanvas& c, CanvasCall::Kind kind) {
  std::vector<CanvasCall> out;
  for (const CanvasCall& call : c.calls)
    if (call.kind == kind) out.push_back(call);
  return out;
}

// The wrist pins: the last circle of each bank (main bearing, crank path,
// crank pin, [counterweight,] wrist pin), as angles from the crank centre.
std::vector<double> WristPinAngles(const RecordingCanvas& c, const EngineDesignRecord& d, int circlesPerBank) {
  const double crankY = LinkageGeometryOf(d).crankY;
  std::vector<double> angles;
  std::vector<CanvasCall> circles = Calls(c, CanvasCall::Circle);
  for (std::size_t k = circlesPerBank - 1; k < circles.size(); k += circlesPerBank)
    angles.push_back(std::atan2(circles[k].a, crankY - circles[k].b) * 180 / 3.141592654);
  return angles;
}

TEST(Linkage, StillPictureOfOneCylinderWithItsCounterweight) {
  auto d = Example(2);
  d->EngineResultsValid = false;  // as after the one-cylinder screen's Calculate
  RecordingCanvas c;
  RecordingUi ui;
  ASSERT_TRUE(DrawLinkageStill(c, *d, ui));
  const LinkageGeometry g = LinkageGeometryOf(*d);
  ASSERT_EQ(c.calls[0].kind, CanvasCall::Clear);
  const CanvasCall& scale = c.calls[1];
  EXPECT_DOUBLE_EQ(scale.a, -g.height);
  EXPECT_DOUBLE_EQ(scale.b, 0.5 * g.height);
  EXPECT_DOUBLE_EQ(scale.d, 2.5 * g.height);
  // Main bearing, crank path, crank pin, counterweight, wrist pin.
  std::vector<CanvasCall> circles = Calls(c, CanvasCall::Circle);
  ASSERT_EQ(circles.size(), 5u);
  EXPECT_DOUBLE_EQ(circles[1].c, d->CrankRadius);
  EXPECT_DOUBLE_EQ(circles[3].c, 0.06 * g.size);                       // the counterweight
  EXPECT_NEAR(circles[3].b, g.crankY + d->CounterweightRadius, 1e-5);  // opposite the crank pin at row 0
  EXPECT_NEAR(circles[4].b, g.crankY - d->table.PistonPosition[0], 1e-5);
  for (const CanvasCall& call : c.calls) {
    if (call.kind != CanvasCall::Clear && call.kind != CanvasCall::Scale) {
      EXPECT_EQ(call.pen.colour, palette::Red);
    }
  }
  // After the engine pass the counterweight is no longer drawn.
  d->EngineResultsValid = true;
  d->Arrangement = 1;
  RecordingCanvas engine;
  ASSERT_TRUE(DrawLinkageStill(engine, *d, ui));
  EXPECT_EQ(Calls(engine, CanvasCall::Circle).size(), 8u);  // two banks of four
}

TEST(Linkage, VeeDrawsTwoBanksAndWThree) {
  RecordingUi ui;
  auto v8 = Example(5);
  RecordingCanvas vee;
  ASSERT_TRUE(DrawLinkageStill(vee, *v8, ui));
  std::vector<double> angles = WristPinAngles(vee, *v8, 4);
  ASSERT_EQ(angles.size(), 2u);
  EXPECT_NEAR(angles[0], v8->BankAngleRad[1] * 180 / 3.141592654, 1e-3);
  EXPECT_NEAR(angles[1], v8->BankAngleRad[2] * 180 / 3.141592654, 1e-3);
  EXPECT_NEAR(std::fabs(angles[0]), 45, 1e-3);
  EXPECT_NEAR(angles[0], -angles[1], 1e-3);

  auto w12 = Example(6);
  RecordingCanvas w;
  ASSERT_TRUE(DrawLinkageStill(w, *w12, ui));
  angles = WristPinAngles(w, *w12, 4);
  ASSERT_EQ(angles.size(), 3u);
  for (int bank = 1; bank <= 3; ++bank)
    EXPECT_NEAR(angles[bank - 1], w12->BankAngleRad[bank] * 180 / 3.141592654, 1e-3) << bank;
  EXPECT_NEAR(angles[2], 0, 1e-9);  // the centre bank stands upright
}

TEST(Linkage, ZoomGrowsTheWindowNotTheLinkage) {
  auto d = Example(2);
  d->EngineResultsValid = false;
  RecordingUi ui;
  RecordingCanvas normal, zoomed;
  ASSERT_TRUE(DrawLinkageStill(normal, *d, ui));
  d->DrawingScale = 2;
  ASSERT_TRUE(DrawLinkageStill(zoomed, *d, ui));
  EXPECT_DOUBLE_EQ(zoomed.calls[1].a, 2 * normal.calls[1].a);
  EXPECT_DOUBLE_EQ(zoomed.calls[1].d, 2 * normal.calls[1].d);
  // The crank centre moves with the window (2H), the linkage keeps its size.
  const std::vector<CanvasCall> a = Calls(normal, CanvasCall::Circle), b = Calls(zoomed, CanvasCall::Circle);
  for (std::size_t k = 0; k < a.size(); ++k) EXPECT_DOUBLE_EQ(a[k].c, b[k].c);
  EXPECT_DOUBLE_EQ(b[0].b - a[0].b, 2 * LinkageGeometryOf(*d).size);
}

TEST(Linkage, AnimationRunsFourRevolutionsThenStops) {
  auto d = Example(2);
  RecordingUi ui;
  LinkageAnimation animation(*d);
  RecordingCanvas picture;
  EXPECT_FALSE(animation.StepPicture(picture, ui));  // not started
  animation.Restart();
  int frames = 0;
  while (animation.StepPicture(picture, ui)) ++frames;
  EXPECT_EQ(frames, kLinkagePasses * 21);
  EXPECT_TRUE(ui.messages.empty());
  // A phase angle far beyond one turn folds back into the table.
  d->PhaseAngle[3] = 5000;
  RecordingCanvas folded;
  EXPECT_TRUE(DrawLinkageStill(folded, *d, ui));
}

TEST(Linkage, PauseCountMapsToTime) {
  EXPECT_EQ(FrameIntervalMs(1000, 0), 0);        // the slider at its fast end: no pause
  EXPECT_EQ(FrameIntervalMs(1000, 32767), 238);  // 5 s a revolution of 21 frames
  EXPECT_EQ(FrameIntervalMs(1000, 1), 10);       // 0.2 s a revolution
  EXPECT_EQ(FrameIntervalMs(10, 32767), 12);     // a small range narrows the slow end
  EXPECT_LT(FrameIntervalMs(1000, 16000), FrameIntervalMs(1000, 17000));
}

}  // namespace
}  // namespace zorvan::testing
