#pragma once
// The main window's keys: every key reaches the game first (key preview).

namespace lwk {

class Game;

// Shift-state bits of a key event.
constexpr int kShiftShift = 1;
constexpr int kShiftAlt = 2;
constexpr int kShiftCtrl = 4;

// Key codes are Qt's (Qt::Key_W == 'W', Qt::Key_F1, Qt::Key_Space).
// Returns the key, or 0 when the game swallowed it.
int FormKeyDown(Game& g, int key, int shift);
void FormKeyUp(Game& g, int key, int shift);

}  // namespace lwk
