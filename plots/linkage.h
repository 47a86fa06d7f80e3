#pragma once
// The linkage drawing of the one-cylinder and engine screens: crank, rod,
// piston and bearings for one cylinder or for each bank of the engine, as a
// still picture or frame by frame for the animation.
#include <array>

#include "core/design_record.h"
#include "platform/canvas.h"
#include "platform/recording_canvas.h"
#include "platform/ui.h"

namespace zorvan {

constexpr int kLinkageRowsPerTurn = 120;  // rows of one crank revolution
constexpr int kLinkageFrameStep = 6;      // every 6th row, 18 degrees
constexpr int kLinkagePasses = 4;         // revolutions of one animation

struct Point2 {
  double x = 0, y = 0;
};

// The drawing values of the design: size S = L + R + B/2, height H = S * scale,
// the crank centre at (0, 2H) with y downwards.
struct LinkageGeometry {
  double size = 0, height = 0, crankY = 0;
};
LinkageGeometry LinkageGeometryOf(const EngineDesignRecord& d);

// Clears the picture and scales it to x from -H to H, y from 0.5 H (top) to
// 2.5 H (bottom), on a white background. Reported under "Animate_Setup";
// false on failure (nothing more is drawn then).
bool Animate_Setup(Canvas& canvas, const EngineDesignRecord& d, Ui& ui);

// The wrist-pin point of a bank at a row: s the piston position, phi the
// offset angle, turned by the bank's tilt.
Point2 PPxy(const Column& positions, int row, double tilt, float wristpinOffset);

// How many banks the picture shows: 1 before the engine is calculated, 2
// after, 3 for a W.
int LinkageBanks(const EngineDesignRecord& d);

// Draws the frame of row K (all banks) in one colour: red draws, white
// erases. Throws on a fault (the callers report it under "PPxy").
void DrawLinkageFrame(Canvas& canvas, const EngineDesignRecord& d, int rowK, Rgb colour);

// The still picture: set-up, then the frame of row 0 in red. False when a
// step failed (reported).
bool DrawLinkageStill(Canvas& canvas, const EngineDesignRecord& d, Ui& ui);

// The animation, one step at a time so the window stays responsive: four
// revolutions, each frame drawn in red and erased in white before the next,
// the last frame of each revolution left standing.
class LinkageAnimation {
 public:
  explicit LinkageAnimation(const EngineDesignRecord& d) : d_(d) {}
  // Starts again at the first frame of the first revolution.
  void Restart();
  bool Running() const { return running_; }
  // Erases the frame standing (unless it ends a revolution) and draws the
  // next; false when the animation has ended or failed (reported under "PPxy").
  bool Step(Canvas& canvas, Ui& ui);
  // The same on a picture that is drawn anew each frame: it is cleared and
  // holds the set-up, any frame left standing, the erase and the new frame.
  bool StepPicture(RecordingCanvas& picture, Ui& ui);

 private:
  const EngineDesignRecord& d_;
  int pass_ = 0, rowK_ = -kLinkageFrameStep;
  bool running_ = false;
};

// The time between two frames for the pause count of the screens
// (AnimationSpeedRange x AnimationDelay): 0 for no pause (the slider at its
// fast end); with the list's range of 1000 the slider spans about 5 s down to
// 0.2 s a revolution, and a smaller range narrows the slow end towards 0.2 s.
int FrameIntervalMs(int speedRange, int animationDelay);

}  // namespace zorvan
