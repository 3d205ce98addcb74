#include <gtest/gtest.h>

#include "shell/qt/HelpWindow.h"

namespace lwk {
namespace {

TEST(HelpFile, TopicsAreSplitAtTheirHeadLinesAndBrokenHeadsAreDropped) {
  const auto topics = ParseHelp(
      "preamble ignored\r\n@topic 1 Contents\r\nSee [[2]].\r\n@topic x broken\r\nlost\n@topic 2   Boats \nline "
      "a\n\nline b\n");
  ASSERT_EQ(topics.size(), 2);
  EXPECT_EQ(topics[0].number, 1);
  EXPECT_EQ(topics[0].title, "Contents");
  EXPECT_EQ(topics[0].body, "See [[2]].\n");
  EXPECT_EQ(topics[1].number, 2);
  EXPECT_EQ(topics[1].title, "Boats");
  EXPECT_EQ(topics[1].body, "line a\n\nline b\n\n");
}

TEST(HelpFile, TheShippedHelpOpensAtTheContents) {
  HelpWindow help(LWK_GAME_DIR);
  ASSERT_TRUE(help.loaded());
  help.showTopic(1);
  EXPECT_TRUE(help.isVisible());
}

}  // namespace
}  // namespace lwk
