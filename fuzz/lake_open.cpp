// Opening a lake as the player does, with its depth file and waypoints
// beside it. The input is the lake file's text, then after a NUL byte the
// depth file's text, then after another the waypoint file's bytes. The lake
// text is signed first, so that changed lakes get past the checksum and
// reach the rest of the opening: the weigh-in flag, the gas pumps, the
// depths, stocking and placing the boat.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "GameSupport.h"
#include "lake/LakeFile.h"
#include "lake/OpenLake.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lwk::fuzz::FuzzGame& f = lwk::fuzz::TheGame();
  const lwk::fuzz::Split lake = lwk::fuzz::SplitAtNul(lwk::fuzz::Bytes(data, size));
  const lwk::fuzz::Split depths = lwk::fuzz::SplitAtNul(lake.rest);
  const auto signedText = lwk::SignLakeText(lake.first);
  const std::string path = lwk::fuzz::WriteInput("Fuzz.LAK", signedText ? *signedText : std::string(lake.first));
  if (lake.hasRest)
    lwk::fuzz::WriteInput("Fuzz.dpt", depths.first);
  else
    lwk::fuzz::RemoveInput("Fuzz.dpt");
  if (depths.hasRest)
    lwk::fuzz::WriteInput("Fuzz.wpt", depths.rest);
  else
    lwk::fuzz::RemoveInput("Fuzz.wpt");

  lwk::OpenLake(f.game, path);
  f.port.runPosted();
  const lwk::Game& g = f.game;
  if (g.view.lakeVisible) {
    // A lake that opened has its boat on the lake beside the flag.
    if (g.boat.BoatCol >= lwk::kLakeCells || g.boat.BoatRow >= lwk::kLakeCells) std::abort();
    if (g.lake.WeighInCol >= lwk::kLakeCells || g.lake.WeighInRow >= lwk::kLakeCells) std::abort();
  }
  // Keep the next run from writing this lake's waypoints back over the input.
  f.game.lake.LakeFilePath.clear();
  f.game.setTimer(lwk::TimerId::Main, false);
  f.forget();
  return 0;
}
