#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "shell/Files.h"
#include "shell/Settings.h"

namespace lwk {
namespace {

TEST(Settings, EmptyOrMissingFileGivesTheDefaults) {
  QTemporaryDir dir;
  Prefs prefs;
  ASSERT_TRUE(LoadSettingsFile(dir.filePath("LWK.INI").toStdString(), prefs));
  EXPECT_TRUE(prefs.BackgroundSounds1 && prefs.FishingSounds1 && prefs.ShowButtonHints1 && prefs.SuspendIfInactive1 &&
              prefs.FullScreenAtStart1);
  EXPECT_EQ(prefs.PlayLevel, Novice);
  for (const RodSetup& rod : prefs.RodSetups) {
    EXPECT_EQ(rod.drawer, -1);
    EXPECT_EQ(rod.bait, -1);
    EXPECT_EQ(rod.color, -1);
  }
}

TEST(Settings, ModeIsMatchedUpperCasedAndUnknownModesLeaveTheLevel) {
  struct Case {
    const char* mode;
    std::uint8_t before;
    std::uint8_t after;
  } cases[] = {
      {"professional", Practice, Professional},
      {"Intermediate", Practice, Intermediate},
      {"PRACTICE", Novice, Practice},
      {"Expert", Practice, Practice},  // not a level: a fresh start stays at Practice
      {"", Intermediate, Intermediate},
  };
  for (const Case& c : cases) {
    Prefs prefs;
    prefs.PlayLevel = c.before;
    ReadSettingsText(std::string("[Play Level]\nMode=") + c.mode + "\n", prefs);
    EXPECT_EQ(prefs.PlayLevel, c.after) << c.mode;
  }
}

TEST(Settings, PreferencesAreOnOnlyForYesInAnyCase) {
  Prefs prefs;
  ReadSettingsText(
      "[Preferences]\nBackground Sounds=yes\nFishing Sounds=Y\nShow Button Hints=NO\nSuspend If Inactive=Yes\n"
      "Full Screen At Start=true\n",
      prefs);
  EXPECT_TRUE(prefs.BackgroundSounds1);
  EXPECT_FALSE(prefs.FishingSounds1);
  EXPECT_FALSE(prefs.ShowButtonHints1);
  EXPECT_TRUE(prefs.SuspendIfInactive1);
  EXPECT_TRUE(prefs.SuspendIfInactiveOn);
  EXPECT_FALSE(prefs.FullScreenAtStart1);
}

TEST(Settings, GarbageRodValuesAndLinesReadAsNone) {
  Prefs prefs;
  ReadSettingsText("this is not ini\n[Rod Setup]\nRod_0_Drawer=3\nRod_0_Bait=x7\nRod_0_Color= 12 \n=\n", prefs);
  EXPECT_EQ(prefs.RodSetups[0].drawer, 3);
  EXPECT_EQ(prefs.RodSetups[0].bait, -1);
  EXPECT_EQ(prefs.RodSetups[0].color, 12);
  EXPECT_EQ(prefs.RodSetups[1].drawer, -1);
}

TEST(Settings, SaveWritesExactlyTheListedSectionsAndKeysAndRoundTrips) {
  QTemporaryDir dir;
  const std::string path = dir.filePath("LWK.INI").toStdString();
  Prefs prefs;
  prefs.FishingSounds1 = false;
  prefs.PlayLevel = Professional;
  prefs.RodSetups[12] = {2, 5, 7, 1};
  ASSERT_TRUE(SaveSettingsFile(path, prefs));
  const std::string text = *ReadWholeFile(path);

  for (const char* needle :
       {"[Rod Setup]", "[Preferences]", "[Play Level]", "Rod_12_Color = 7", "Rod_12_Drawer = 2", "Rod_0_Bait = -1",
        "Background Sounds = YES", "Fishing Sounds = NO", "Show Button Hints = YES", "Suspend If Inactive = YES",
        "Full Screen At Start = YES", "Mode = Professional"})
    EXPECT_NE(text.find(needle), std::string::npos) << needle;
  // 48 rod keys, 5 preferences, 1 mode and nothing else.
  int keys = 0;
  for (size_t p = text.find(" = "); p != std::string::npos; p = text.find(" = ", p + 1)) ++keys;
  EXPECT_EQ(keys, 48 + 5 + 1);

  Prefs back;
  ASSERT_TRUE(LoadSettingsFile(path, back));
  EXPECT_FALSE(back.FishingSounds1);
  EXPECT_EQ(back.PlayLevel, Professional);
  EXPECT_EQ(back.RodSetups[12].bait, 5);
}

TEST(Settings, NoModeIsWrittenForALevelOutsideTheFour) {
  Prefs prefs;
  prefs.PlayLevel = 7;
  EXPECT_EQ(WriteSettingsText(prefs).find("Mode"), std::string::npos);
  EXPECT_EQ(LevelName(7), "");
  EXPECT_EQ(LevelName(2), "Intermediate");
}

}  // namespace
}  // namespace lwk
