#pragma once
// Steering the boat: the main window's keys (every key reaches the game first),
// one movement step, the water test and keeping the boat in view.

#include <cstdint>

namespace lwk {

class Game;

// Shift-state bits of a key event.
constexpr int kShiftShift = 1;
constexpr int kShiftAlt = 2;
constexpr int kShiftCtrl = 4;

// Key codes are Qt's (Qt::Key_W == 'W', Qt::Key_F1, Qt::Key_Space).
// Returns the key, or 0 when the game swallowed it.
int FormKeyDown(Game& g, int key, int shift);
// Ends an outboard run: the throttle falls back to idle.
void FormKeyUp(Game& g, int key, int shift);

// One movement step in direction d (0 up .. 7 up-left). False when the probed
// point is not water: the caller then runs Collide.
bool MoveStep(Game& g, int d);

// Scrolls the view when the boat nears an edge; true when it scrolled.
bool FollowBoat(Game& g);

// The tile of a cell for movement and traffic: a cell outside the lake reads
// as blocking land (the last-column marker), so it never indexes the grid.
int TileForMove(const Game& g, int col, int row);

}  // namespace lwk
