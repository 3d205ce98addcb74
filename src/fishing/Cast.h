#pragma once
// Casting: a release of the mouse over the water throws the bait there, as
// far as the rod reaches, never toward the partner's end of the boat; the
// splash, the shore cast, and the hand-over to the retrieve.

namespace lwk {

class Game;

// Reach of each rod in pixels.
int MaxCastDistance(int rod);
// The rod's reach with the life jacket and the play level.
int CastReach(int rod, bool lifeJacketOn, int playLevel);

// A step of about 4 pixels along the line from a point toward the bow, with
// (dx, dy) = bow - point; straight up or down when dx = 0.
struct PixelStep {
  int x = 0, y = 0;
};
PixelStep StepTowardBow(int dx, int dy);

// Pulls the target (x, y) in toward the bow in 4-pixel moves until it lies
// within reach R; returns the number of moves.
int CastDistanceLimit(int reach, int bowX, int bowY, int& x, int& y);

// True when a target at (dx, dy) = bow - target lies behind the boat on the
// given heading (the partner's water). A difference of 0 counts as 0.1.
bool IsRearCast(int heading, int dx, int dy);

// The mouse released over the lake view, at view pixels (x, y).
void LakeMouseUp(Game& g, int x, int y);
// The cast itself, with the target in BaitX, BaitY. False when it was
// aborted (the window closes, another lake opens).
bool CastOperation(Game& g);

// The splash animation's two timers.
void PlopTimerTimer(Game& g);
void DelayTimerTimer(Game& g);

// The cast line, bow to (x, y), drawn and taken off with the view's
// exclusive-or pen; the traffic is lifted around it and the boat redrawn.
void DrawCastLine(Game& g, int x, int y);
void EraseCastLine(Game& g);

// A short pause with the picture on the lake shown meanwhile.
void PauseMs(Game& g, int ms);

}  // namespace lwk
