#include <gtest/gtest.h>

#include <QFile>

#include "shell/Files.h"
#include "support/GameFixture.h"

namespace lwk {
namespace {

TEST(Startup, WithAllPicturesAndNoIniStartsQuietlyWithTheDefaults) {
  GameFixture f;
  ASSERT_TRUE(f.start());
  EXPECT_TRUE(f.port.boxes.empty()) << f.port.boxes.front().text;
  EXPECT_EQ(f.game->prefs.PlayLevel, Novice);
  EXPECT_TRUE(f.game->CanoesEnabled);
  EXPECT_TRUE(f.game->JetSkisEnabled);
  EXPECT_FALSE(f.game->view.isEnabled(Ctl::OutBtn));
  EXPECT_FALSE(f.game->view.isEnabled(Ctl::WeighInBtn));
  EXPECT_TRUE(f.game->view.isEnabled(Ctl::PickLake));
  EXPECT_FALSE(f.game->view.isEnabled(Ctl::ViewWeatherWaterConditions1));
  EXPECT_FALSE(f.game->view.lakeVisible);
  EXPECT_TRUE(f.port.timerRunning(TimerId::Suspend));
  EXPECT_FALSE(f.port.timerRunning(TimerId::Main));
  ASSERT_FALSE(f.port.sounds.empty());
  EXPECT_EQ(f.port.sounds.front().name, "theme.wav");
  EXPECT_EQ(f.port.sounds.front().mode, SoundMode::Loop);
}

TEST(Startup, AMissingTileAsksAndOkGoesOnWithABlankTile) {
  GameFixture f;
  ASSERT_TRUE(QFile::remove(QString::fromStdString(FindGameFile(f.folder(), "IM57.BMP"))));
  f.port.answers = {Answer::Ok};
  ASSERT_TRUE(f.start());
  ASSERT_EQ(f.port.boxes.size(), 1u);
  EXPECT_EQ(f.port.boxes[0].text, "ERROR: Unable to load file IM57.BMP");
  EXPECT_EQ(f.port.boxes[0].buttons, Buttons::OkCancel);
  EXPECT_EQ(f.game->pictures.TileBitmaps[57].size(), QSize(32, 32));
  EXPECT_EQ(f.game->pictures.TileBitmaps[58].size(), QSize(32, 32));
}

TEST(Startup, CancelOnAMissingTileEndsBeforeTheWindowShows) {
  GameFixture f;
  ASSERT_TRUE(QFile::remove(QString::fromStdString(FindGameFile(f.folder(), "IM3.BMP"))));
  ASSERT_TRUE(QFile::remove(QString::fromStdString(FindGameFile(f.folder(), "IM9.BMP"))));
  f.port.answers = {Answer::Cancel};
  EXPECT_FALSE(f.game->StartUp(f.folder()));
  EXPECT_EQ(f.port.texts(), std::vector<std::string>{"ERROR: Unable to load file IM3.BMP"});
  EXPECT_FALSE(f.port.timerRunning(TimerId::Suspend));
}

TEST(Startup, PictureFailuresUseTheirOwnMessagesAndDisableTraffic) {
  GameFixture f;
  for (const char* name :
       {"WHAM.BMP", "BOATLR.BMP", "LCD7.BMP", "redcanoe.BMP", "jetskiLL.BMP", "GPSdn.BMP", "Three.BMP", "PADDLEOF.BMP"})
    ASSERT_TRUE(QFile::remove(QString::fromStdString(FindGameFile(f.folder(), name)))) << name;
  ASSERT_TRUE(f.start());
  EXPECT_EQ(f.port.texts(), (std::vector<std::string>{
                                "ERROR: Unable to load file WHAM.BMP",
                                "ERROR: Unable to load file BOATLR.BMP",
                                "ERROR: Unable to load file LCD7.BMP",
                                "ERROR: Unable to load file PADDLEOF.BMP",
                                "ERROR: Unable to load one or more Day Images",
                                "Unable to load one or more GPS images.",
                                "ERROR: Unable to load one or more canoe bitmaps",
                                "ERROR: Unable to load one or more JetSki bitmaps",
                            }));
  EXPECT_EQ(f.port.boxes[4].kind, BoxKind::Plain);
  EXPECT_FALSE(f.game->CanoesEnabled);
  EXPECT_FALSE(f.game->JetSkisEnabled);
}

TEST(Startup, ScreenSizeLimits) {
  struct Case {
    int w, h;
    bool runs;
  } cases[] = {{640, 480, true}, {639, 480, false}, {640, 479, false}, {1920, 1080, true}};
  for (const Case& c : cases) {
    GameFixture f;
    f.port.screenW = c.w;
    f.port.screenH = c.h;
    EXPECT_EQ(f.start(), c.runs) << c.w << "x" << c.h;
    EXPECT_EQ(f.port.closeRequested, !c.runs);
    EXPECT_EQ(f.port.showed("Lurewick cannot run on this system.\r\rLurewick requires a video display with at "
                            "least 640 x 480\rcapability."),
              !c.runs);
  }
}

TEST(Startup, ANarrowScreenAlwaysStartsMaximized) {
  GameFixture f;
  WriteFileAtomically(f.path("LWK.INI"), "[Preferences]\nFull Screen At Start=NO\n");
  f.port.screenW = 799;
  ASSERT_TRUE(f.start());
  EXPECT_FALSE(f.game->prefs.FullScreenAtStart1);
  EXPECT_TRUE(f.game->ShouldMaximize());
  f.port.screenW = 800;
  EXPECT_FALSE(f.game->ShouldMaximize());
}

TEST(Startup, LowColourDepthIsNotedAndStartUpGoesOn) {
  GameFixture f;
  f.port.depth = 8;
  ASSERT_TRUE(f.start());
  ASSERT_EQ(f.port.boxes.size(), 1u);
  EXPECT_EQ(f.port.boxes[0].kind, BoxKind::Plain);
  EXPECT_EQ(f.port.boxes[0].text.rfind("NOTE:\rLurewick Professional has detected", 0), 0u);
}

TEST(Layout, BottomFieldsShareTheWindowWidth) {
  const auto at640 = BottomFieldLayout(640);
  const int widths[4] = {282, 147, 115, 65};
  const int lefts[4] = {5, 292, 444, 564};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(at640[i].width, widths[i]);
    EXPECT_EQ(at640[i].left, lefts[i]);
  }
  const auto at1001 = BottomFieldLayout(1001);
  EXPECT_EQ(at1001[0].width, 440);  // 440.44 rounds down
  EXPECT_EQ(at1001[3].width, 110 - 5);
}

TEST(IdleSuspend, MinimizesAfter301QuietSecondsAndInputRestartsTheCount) {
  GameFixture f;
  ASSERT_TRUE(f.start());
  f.port.tick(TimerId::Suspend, 300);
  EXPECT_EQ(f.port.minimizes, 0);
  f.game->UserInput();
  f.port.tick(TimerId::Suspend, 300);
  EXPECT_EQ(f.port.minimizes, 0);
  f.port.tick(TimerId::Suspend, 1);
  EXPECT_EQ(f.port.minimizes, 1);
  EXPECT_EQ(f.game->IdleSeconds, 0);

  f.game->AppOnMinimize();
  EXPECT_EQ(f.port.appTitles.back(), "Lurewick-Suspended");
  f.game->AppOnRestore();
  EXPECT_EQ(f.port.appTitles.back(), "Lurewick");
}

TEST(IdleSuspend, OffMeansNeverMinimized) {
  GameFixture f;
  ASSERT_TRUE(f.start());
  f.game->SuspendIfInactive1Click();
  f.port.tick(TimerId::Suspend, 1000);
  EXPECT_EQ(f.port.minimizes, 0);
}

TEST(Shutdown, AsksAboutUnweighedFishOnlyOutsidePractice) {
  struct Case {
    std::uint8_t level;
    int fish;
    bool asks;
  } cases[] = {{Practice, 3, false}, {Novice, 3, true}, {Professional, 0, false}};
  for (const Case& c : cases) {
    GameFixture f;
    ASSERT_TRUE(f.start());
    f.game->prefs.PlayLevel = c.level;
    f.game->tour.LiveWellCount = c.fish;
    f.port.answers = {Answer::No};
    EXPECT_EQ(f.game->FormCloseQuery(), !c.asks);
    EXPECT_EQ(f.port.beeps, c.asks ? 1 : 0);
  }
}

TEST(Shutdown, SavesSettingsShowsTheNoticeAndPlaysTheEndingToItsEnd) {
  GameFixture f;
  ASSERT_TRUE(f.start());
  f.game->SetPlayLevel(Intermediate);
  f.game->FormClose();
  EXPECT_NE(ReadWholeFile(f.path("LWK.INI"))->find("Mode = Intermediate"), std::string::npos);
  EXPECT_EQ(f.game->view.status[2], "Please wait.....Lurewick is shutting down.....");
  EXPECT_EQ(f.port.statusRepaints, 1);
  EXPECT_EQ(f.port.sounds.back().name, "ending.wav");
  EXPECT_EQ(f.port.sounds.back().mode, SoundMode::Sync);
  EXPECT_FALSE(f.port.timerRunning(TimerId::Suspend));
}

TEST(Preferences, MenusFlipTheirMarksAndCopies) {
  GameFixture f;
  ASSERT_TRUE(f.start());
  f.game->BackgroundSounds1Click();
  EXPECT_FALSE(f.game->prefs.BackgroundSoundsOn);
  EXPECT_EQ(f.port.soundStops, 1);  // the title music stops at once
  f.game->FishingSounds1Click();
  EXPECT_FALSE(f.game->prefs.FishingSoundsOn);
  f.game->ShowButtonHints1Click();
  EXPECT_FALSE(f.game->HintsShown);
  f.game->FullScreenAtStart1Click();
  EXPECT_TRUE(
      f.port.showed("Changing the startup screen size preference will not\rtake effect until the next "
                    "time Lurewick is started."));
}

TEST(Preferences, PlayModeIsLockedOnceTheClockRuns) {
  GameFixture f;
  ASSERT_TRUE(f.start());
  int opened = 0;
  f.game->SetPlayMode1Click([&] { ++opened; });
  EXPECT_EQ(opened, 1);
  f.game->tour.ClockRunning = true;
  f.game->SetPlayMode1Click([&] { ++opened; });
  EXPECT_EQ(opened, 1);
  EXPECT_TRUE(f.port.showed("The play mode cannot be changed\rafter a tournament has begun."));
}

TEST(Preferences, LevelCommandsSetTheCaptionAndPracticeLocksTheWeighIn) {
  GameFixture f;
  ASSERT_TRUE(f.start());
  f.game->lake.LakeName = "Heron Bay";
  f.game->EnableGameControls(true);
  EXPECT_TRUE(f.game->view.isEnabled(Ctl::WeighInBtn));
  f.game->SetPlayLevel(Practice);
  EXPECT_EQ(f.game->view.caption, "Lurewick Professional - Heron Bay - Mode: Practice");
  EXPECT_FALSE(f.game->view.isEnabled(Ctl::WeighInBtn));
  f.game->tour.TournamentDay = 1;
  f.game->SetPlayLevel(Novice);
  EXPECT_EQ(f.game->view.caption, "Lurewick Professional - Heron Bay - Mode: Novice  DAY 2");
  EXPECT_FALSE(f.game->view.isEnabled(Ctl::WeighInBtn));  // until the controls are next enabled
}

}  // namespace
}  // namespace lwk

namespace lwk {
namespace {

TEST(Timers, EveryTimerStartsWithItsIntervalAndState) {
  GameFixture f;
  // No virtual time passes: the crash timer, running at start, would fire
  // once and stop itself.
  f.port.processEventsAdvances = false;
  ASSERT_TRUE(f.start());
  const struct {
    TimerId id;
    int interval;
    bool running;
  } timers[] = {{TimerId::Main, 50, false},     {TimerId::KeyDown, 250, false}, {TimerId::Crash, 250, true},
                {TimerId::Plop, 250, false},    {TimerId::Delay, 150, false},   {TimerId::Retreive, 100, false},
                {TimerId::Strike, 500, false},  {TimerId::Fight, 150, false},   {TimerId::Suspend, 1000, true},
                {TimerId::LiveWell, 250, false}};
  for (const auto& t : timers) {
    EXPECT_EQ(f.port.timerInterval(t.id), t.interval) << static_cast<int>(t.id);
    EXPECT_EQ(f.port.timerRunning(t.id), t.running) << static_cast<int>(t.id);
  }
}

TEST(Timers, TheMainTimerStandsStillWhileTheGameIsInTheBackground) {
  GameFixture f;
  ASSERT_TRUE(f.start());
  f.game->FormResize();  // the first layout pass ends the start-up
  f.game->LakeLoading = false;
  f.game->view.lakeVisible = true;
  f.game->setTimer(TimerId::Main, true);
  f.game->FormDeactivate();
  EXPECT_FALSE(f.port.timerRunning(TimerId::Main));
  f.game->FormActivate();
  EXPECT_TRUE(f.port.timerRunning(TimerId::Main));
}

}  // namespace
}  // namespace lwk
