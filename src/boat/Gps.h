#pragma once
// The GPS: its power and screens, the trail, the waypoints with their picker,
// the go-to arrow, and the lake's waypoint file.

#include <string>
#include <string_view>
#include <vector>

#include "boat/BoatState.h"

namespace lwk {

class Game;

void GPSpwrClick(Game& g);
void PlotGPSClick(Game& g);
void SetWptClick(Game& g);
void GoToWptClick(Game& g);

// Marks the boat's cell on the trail.
void GpsTrailMark(Game& g);
// Redraws the GPS screen in its mode (trail and markers, or the arrow).
void GpsRedraw(Game& g);
void ClearGpsTrail(Game& g);
// Screen filled aqua (on) or black (off).
void GpsScreenOn(Game& g);
void GpsScreenOff(Game& g);
// The GPS switched off: screen black, buttons disabled, trail wiped.
void GpsPowerOff(Game& g);
// Direction 0..7 from the boat's cell to a cell; -1 when it is the boat's own.
int GpsArrowTo(const Game& g, int col, int row);

// The waypoint picker's handlers (rows are waypoint numbers 1..100).
void WPTgridSelectCell(Game& g, int row);
void WPTgridSetEditText(Game& g, int row, const std::string& text);
void EraseBtnClick(Game& g, int row);
void PickOkBtnClick(Game& g, int row);

// The waypoint file beside the lake file (the lake file's extension replaced
// by ".wpt").
std::string WaypointFilePath(const std::string& lakePath);
// 40-byte records: slots 1.. in order up to and including the first unused
// one, or all 100.
std::string EncodeWaypoints(const GpsState& gps);
// Records in order; reading stops at the first unused record. False when the
// bytes end inside a record (the whole records before it are kept).
bool DecodeWaypoints(std::string_view bytes, std::vector<Waypoint>& out);
// Loads the lake's waypoints; true when the file was found and read. An
// unreadable file is reported and the lake starts without waypoints.
bool LoadWaypointFile(Game& g, const std::string& lakePath);
// Writes the current lake's waypoints (at shutdown). A failed write is
// reported and leaves the old file as it was.
void SaveWaypointFile(Game& g);

}  // namespace lwk
