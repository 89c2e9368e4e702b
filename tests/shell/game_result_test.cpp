#include <gtest/gtest.h>

#include "shell/game_result.h"

namespace {

TEST(GameResultTest, TimedBoardTexts) {
  struct Case {
    int seconds;
    const char* endMessage;
  } cases[] = {{125, "Your final time is 02:05"},
               {0, "Your final time is 00:00"},
               {5999, "Your final time is 99:59"},
               {6005, "Your final time is 00:05"},
               {-3, "Your final time is 00:00"}};
  for (const Case& c : cases) {
    const shell::GameResult r = shell::TimedBoardResult(c.seconds);
    EXPECT_EQ(r.endMessage, c.endMessage) << c.seconds;
    EXPECT_EQ(r.caption, "Board finished !");
    EXPECT_EQ(r.heading, "Congratulations !");
    EXPECT_EQ(r.subheading, "You finished the board...");
    EXPECT_EQ(r.button, "Thank you !");
  }
}

} // namespace
