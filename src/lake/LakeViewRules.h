#pragma once
// What happens around the lake view: scrolling keeps the boat on its lake
// spot, Find My Boat, the water colour table and the water test that reads
// the view's pixels.

namespace lwk {

class Game;

// Connects the lake view's scroll reports to LakeTopLeftChanged. Run once
// (the new-game reset does it).
void ConnectLakeView(Game& g);

// The view scrolled (scroll bars or a program call): the boat keeps its lake
// spot, the probes follow, and the boat is drawn again over the fresh tiles.
void LakeTopLeftChanged(Game& g);

// The view's client area changed size: the surface is rebuilt and the boat,
// which the repaint wiped, drawn again on its lake spot.
void LakeViewResized(Game& g, int width, int height);

// Scrolls so that the cell is in the middle of the view (first column and
// row raised to 0 when negative, kept within the grid).
void CentreViewOn(Game& g, int col, int row);

// "Find My Boat": scrolls the boat into the middle of the view.
void FindBoatBtnClick(Game& g);

// Fills the water colour table from the water tiles.
void BuildWaterColours(Game& g);

// True when the view pixel (x, y) has one of the water colours; the colour
// read is kept in SampledColour.
bool WaterTest(Game& g, int x, int y);

}  // namespace lwk
