#pragma once
// The depth finder: a 64 x 64 screen that scrolls the bottom under the bow,
// shows the fish there as arches and the depth in LCD digits.

namespace lwk {

class Game;

void GraphOnClick(Game& g);
void GraphOffClick(Game& g);
// One update, every game second while the graph is on.
void GraphStep(Game& g);
// Screen filled aqua (on) or black (off).
void GraphScreenOn(Game& g);
void GraphScreenOff(Game& g);

}  // namespace lwk
