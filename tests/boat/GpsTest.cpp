#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "boat/BoatFixture.h"
#include "boat/Gps.h"
#include "shell/Files.h"

namespace lwk {
namespace {

struct Gps : BoatLake {
  QTemporaryDir dir;
  void SetUp() override {
    BoatLake::SetUp();
    g.pictures.gpsArrows.frameW = g.pictures.gpsArrows.frameH = 32;
    g.pictures.gpsArrows.transparent = kAqua;
    for (int i = 0; i < 8; ++i) {
      QImage a = Solid(32, 32, kAqua);
      a.setPixel(16, 16, qRgb(i, 0, 0));  // each arrow tells its direction by one pixel
      g.pictures.gpsArrows.frames.push_back(a);
    }
    GPSpwrClick(g);
  }
  std::string path(const std::string& name) const { return dir.path().toStdString() + "/" + name; }
  void addWaypoint(int col, int row, const std::string& text) {
    g.boat.BoatCol = static_cast<std::uint8_t>(col);
    g.boat.BoatRow = static_cast<std::uint8_t>(row);
    port.inputs.push_back(text);
    SetWptClick(g);
  }
  QRgb screen(int x, int y) const { return g.view.gpsScreen.pixel(x, y); }
};

TEST_F(Gps, AWaypointIsMarkedOnceTheTrailPassesIt) {
  addWaypoint(100, 50, "Stump field");
  EXPECT_EQ(g.boat.gps.Markers[32][16], 1);
  EXPECT_EQ(port.inputPrompts.back(), "WayPoint 1 Description");
  GpsRedraw(g);
  EXPECT_EQ(screen(32, 16), kAqua);  // no trail there yet
  g.boat.BoatCol = 100;
  g.boat.BoatRow = 50;
  GpsTrailMark(g);
  GpsRedraw(g);
  EXPECT_EQ(screen(32, 16), 0xFFFFFF00u);  // yellow inside
  EXPECT_EQ(screen(30, 16), kBlack);       // black outline
  EXPECT_EQ(screen(34, 18), kBlack);
  // The far corner of the lake stays on the 64 x 64 screen.
  g.boat.BoatCol = 199;
  g.boat.BoatRow = 199;
  GpsTrailMark(g);
  EXPECT_EQ(g.boat.gps.GpsTrail[63][63], 1);
}

TEST_F(Gps, GoToPointsTheArrowAndAnnouncesArrivalOnce) {
  addWaypoint(30, 20, "Deep hump");
  g.boat.BoatCol = 30;
  g.boat.BoatRow = 25;
  port.modalResults.push_back(ModalResult::Ok);
  GoToWptClick(g);
  EXPECT_EQ(g.boat.gps.PickCaption, "Select WayPoint To Track");
  EXPECT_FALSE(g.boat.gps.PlotMode);
  EXPECT_EQ(g.boat.gps.Arrow, 0);
  EXPECT_EQ(qRed(screen(32, 32)), 0);  // the up arrow
  EXPECT_EQ(screen(16, 16), 0xFF0000FFu);

  const int cases[][3] = {{29, 19, 3}, {31, 21, 7}, {29, 21, 1}, {31, 19, 5}, {29, 20, 2}, {30, 19, 4}, {31, 20, 6}};
  for (auto [c, r, arrow] : cases) {
    g.boat.BoatCol = static_cast<std::uint8_t>(c);
    g.boat.BoatRow = static_cast<std::uint8_t>(r);
    GpsRedraw(g);
    EXPECT_EQ(g.boat.gps.Arrow, arrow) << c << "," << r;
  }
  g.boat.OutboardOn = true;
  g.boat.ThrottleSetting = 9;
  g.boat.BoatCol = 30;
  g.boat.BoatRow = 20;
  g.setTimer(TimerId::Main, true);
  GpsRedraw(g);
  GpsRedraw(g);
  EXPECT_EQ(boxesWith("You have reached WayPoint 1\r\r\"Deep hump\""), 1);
  EXPECT_TRUE(port.neverInterruptedWithTimer());
  EXPECT_TRUE(g.boat.gps.PlotMode);
  EXPECT_EQ(g.boat.gps.Arrow, -1);
  EXPECT_EQ(g.boat.ThrottleSetting, 1);
  EXPECT_FALSE(g.DialogUp);
}

TEST_F(Gps, GoToWithoutWaypointsSaysSo) {
  GoToWptClick(g);
  EXPECT_TRUE(port.showed("There are no WayPoints loaded."));
  EXPECT_TRUE(port.modalShown.empty());
}

TEST_F(Gps, ErasingAWaypointMovesTheLaterOnesUp) {
  for (int i = 1; i <= 5; ++i) addWaypoint(10 + i, 20, "wp" + std::to_string(i));
  EraseBtnClick(g, 3);
  const auto& w = g.boat.gps.Waypoints;
  EXPECT_EQ(w[1].text, "wp1");
  EXPECT_EQ(w[2].text, "wp2");
  EXPECT_EQ(w[3].text, "wp4");
  EXPECT_EQ(w[3].col, 14);
  EXPECT_EQ(w[4].text, "wp5");
  EXPECT_FALSE(w[5].used());
  EXPECT_EQ(g.boat.gps.NextFreeWpt, 5);
}

TEST_F(Gps, SettingWaypointsAskesForADescriptionAndStopsAtAHundred) {
  port.inputs.push_back("");
  SetWptClick(g);
  EXPECT_TRUE(port.showed("No description entered. WayPoint not saved."));
  EXPECT_EQ(port.beeps, 1);
  SetWptClick(g);  // cancelled
  EXPECT_EQ(g.boat.gps.NextFreeWpt, 1);
  addWaypoint(12, 12, std::string(40, 'x'));
  EXPECT_EQ(g.boat.gps.Waypoints[1].text, std::string(30, 'x'));
  for (int i = 2; i <= 100; ++i) addWaypoint(12, 12, "w");
  EXPECT_EQ(g.boat.gps.NextFreeWpt, 101);
  port.boxes.clear();
  SetWptClick(g);
  EXPECT_TRUE(port.showed("All 100 WayPoints are in use.\r\rYou must erase at least one before entering more."));
  EXPECT_EQ(port.inputPrompts.size(), 102u);
}

TEST_F(Gps, TheWaypointFileRoundTripsByteForByte) {
  g.lake.LakeFilePath = path("j.doe/Pine.LAK");
  QDir().mkpath(QString::fromStdString(path("j.doe")));
  EXPECT_EQ(WaypointFilePath(g.lake.LakeFilePath), path("j.doe/Pine.wpt"));
  addWaypoint(100, 50, "Stump field");
  addWaypoint(7, 199, "Dock");
  SaveWaypointFile(g);
  const auto first = ReadWholeFile(path("j.doe/Pine.wpt"));
  ASSERT_TRUE(first);
  ASSERT_EQ(first->size(), 3u * 40);
  EXPECT_EQ(static_cast<unsigned char>((*first)[0]), 100);
  EXPECT_EQ(static_cast<unsigned char>((*first)[4]), 50);
  EXPECT_EQ((*first)[8], 11);
  EXPECT_EQ(first->substr(9, 11), "Stump field");
  EXPECT_EQ(first->substr(80, 4), std::string("\xFF\xFF\xFF\xFF"));

  g.boat.gps = GpsState{};
  EXPECT_TRUE(LoadWaypointFile(g, g.lake.LakeFilePath));
  EXPECT_EQ(g.boat.gps.NextFreeWpt, 3);
  EXPECT_EQ(g.boat.gps.Waypoints[2].text, "Dock");
  EXPECT_EQ(g.boat.gps.Markers[2][64 - 1], 1);
  EXPECT_TRUE(g.boat.gps.WaypointsAvailable);
  SaveWaypointFile(g);
  EXPECT_EQ(ReadWholeFile(path("j.doe/Pine.wpt")), first);

  // All 100 in use: no closing record, and the next one is refused after loading.
  for (int i = 3; i <= 100; ++i) addWaypoint(20, 20, "w");
  SaveWaypointFile(g);
  EXPECT_EQ(ReadWholeFile(path("j.doe/Pine.wpt"))->size(), 100u * 40);
  EXPECT_TRUE(LoadWaypointFile(g, g.lake.LakeFilePath));
  EXPECT_EQ(g.boat.gps.NextFreeWpt, 101);

  // A lake without a waypoint file starts empty.
  EXPECT_FALSE(LoadWaypointFile(g, path("Other.lak")));
  EXPECT_EQ(g.boat.gps.NextFreeWpt, 1);
  EXPECT_FALSE(g.boat.gps.WaypointsAvailable);
}

TEST_F(Gps, ABadWaypointFileIsReportedAndNothingIsLost) {
  g.lake.LakeFilePath = path("Pine.lak");
  addWaypoint(100, 50, "Stump field");
  addWaypoint(7, 19, "Dock");
  SaveWaypointFile(g);
  std::string bytes = *ReadWholeFile(path("Pine.wpt"));

  // Cut inside the second record: the first is kept, the player is told, and
  // the damaged file is only rewritten when the waypoints change.
  ASSERT_TRUE(WriteFileAtomically(path("Pine.wpt"), bytes.substr(0, 60)));
  port.boxes.clear();
  EXPECT_TRUE(LoadWaypointFile(g, g.lake.LakeFilePath));
  ASSERT_EQ(port.boxes.size(), 1u);
  EXPECT_EQ(port.boxes[0].kind, BoxKind::Error);
  EXPECT_EQ(g.boat.gps.Waypoints[1].text, "Stump field");
  EXPECT_EQ(g.boat.gps.NextFreeWpt, 2);
  SaveWaypointFile(g);
  EXPECT_EQ(ReadWholeFile(path("Pine.wpt"))->size(), 60u);

  // A folder that cannot be written: a clear message, the old file kept.
  addWaypoint(9, 9, "Ramp");
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  const bool locked = !FolderWritable(dir.path().toStdString());
  if (!locked) g.lake.LakeFilePath = path("gone/Pine.lak");  // running as root: a missing folder fails instead
  port.boxes.clear();
  SaveWaypointFile(g);
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  ASSERT_EQ(port.boxes.size(), 1u);
  EXPECT_EQ(port.boxes[0].text, "ERROR: Unable to save the waypoints to " + WaypointFilePath(g.lake.LakeFilePath) +
                                    "\r\rThe old waypoint file is kept.");
  EXPECT_EQ(ReadWholeFile(path("Pine.wpt"))->size(), 60u);
}

TEST_F(Gps, PowerAndPlotModeSetTheScreenAndButtons) {
  EXPECT_TRUE(g.boat.GpsOn);
  EXPECT_TRUE(g.view.gpsPwrOn);
  EXPECT_TRUE(g.view.isEnabled(Ctl::GoToWpt));
  EXPECT_EQ(screen(0, 0), kAqua);
  GpsTrailMark(g);
  GPSpwrClick(g);
  EXPECT_FALSE(g.boat.GpsOn);
  EXPECT_FALSE(g.view.isEnabled(Ctl::PlotGPS));
  EXPECT_EQ(screen(63, 63), kBlack);
  for (const auto& col : g.boat.gps.GpsTrail)
    for (auto v : col) EXPECT_EQ(v, 0);
}

}  // namespace
}  // namespace lwk
