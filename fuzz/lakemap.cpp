// The lake map read back from the lake's folder as any bytes: it loads or
// is reported unreadable, and the marks and the boat's track draw on it.
#include "lake/LakeMap.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "GameSupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  lwk::fuzz::FuzzGame& f = lwk::fuzz::TheGame();
  lwk::Game& g = f.game;
  g.lake.LakeName = "Fuzz Lake";
  g.lake.LakeMapPath = lwk::fuzz::WriteInput("Fuzz.bmp", lwk::fuzz::Bytes(data, size));
  g.lake.LakeMapImage = QImage();
  g.lake.WeighInCol = 199;
  g.lake.WeighInRow = 199;
  g.lake.GasPumps = {lwk::CellPos{0, 0}, lwk::CellPos{198, 3}, lwk::CellPos{}};
  g.boat.BoatCol = 199;
  g.boat.BoatRow = 0;
  g.tour.DayTimeLeft = lwk::kDaySeconds;
  lwk::LakeMapFormShow(g);
  if (g.lake.LakeMapImage.isNull()) std::abort();  // a blank map stands in for one that cannot be read
  g.boat.BoatCol = 0;
  g.boat.BoatRow = 199;
  lwk::MapTrailStep(g);
  f.forget();
  return 0;
}
