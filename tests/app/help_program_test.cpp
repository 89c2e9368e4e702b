#include <gtest/gtest.h>

#include <filesystem>

#include "program_fixture.h"
#include "records/tile_legend.h"

namespace program_testing {

namespace {

using records::HelpPageId;

// With the documents beside the program, as the build places them.
class HelpProgramTest : public ProgramTest {
protected:
  void SetUp() override {
    std::filesystem::copy_file(std::string(PELMAR_BUILD_DIR) + "/pelmar.rtf",
                               folder_.Path() + "pelmar.rtf");
    ProgramTest::SetUp();
  }

  // Runs the command during a game, a minute passing while its window is open; the mode seen
  // meanwhile.
  int ModeDuringWindowOf(CommandId command) {
    int mode = -1;
    window_.duringDialog = [&] {
      mode = Board().GameMode;
      Now() += 60'000;
    };
    Command(command);
    window_.duringDialog = nullptr;
    return mode;
  }
};

TEST_F(HelpProgramTest, EachHelpCommandOpensItsPageWithTheGamePausedAround) {
  const struct {
    CommandId command;
    HelpPageId page;
  } cases[] = {{CommandId::HelpContents, HelpPageId::Help},
               {CommandId::WhatsNew, HelpPageId::Whatsnew},
               {CommandId::FrenchHelp, HelpPageId::French},
               {CommandId::ViewTiles, HelpPageId::SeeTiles}};
  DealNumberedGame(3);
  for (const auto& c : cases) {
    EXPECT_EQ(ModeDuringWindowOf(c.command), engine::ModePaused) << static_cast<int>(c.page);
    ASSERT_FALSE(window_.helpPages.empty());
    EXPECT_EQ(window_.helpPages.back(), static_cast<int>(c.page));
    EXPECT_EQ(Board().GameMode, engine::ModeSolitaire) << "the game goes on after the window";
  }
  Tick();
  EXPECT_LT(State().scoring.GameScore, 2) << "the minutes spent reading are not timed";

  const platform::HelpViewModel& help = *window_.help;
  EXPECT_FALSE(help.Pages()[0].document.paragraphs.empty()) << "pelmar.rtf was read";
  EXPECT_TRUE(help.Pages()[1].document.paragraphs.empty()) << "a missing document stays empty";
  EXPECT_EQ(help.Legend().Width(), records::LegendWidth);
}

TEST_F(HelpProgramTest, AboutPausesTheGameAndCountsTheLaunches) {
  DealNumberedGame(3);
  EXPECT_EQ(ModeDuringWindowOf(CommandId::About), engine::ModePaused);
  EXPECT_EQ(Board().GameMode, engine::ModeSolitaire);
  ASSERT_EQ(window_.aboutBoxes.size(), 1u);
  EXPECT_EQ(window_.aboutBoxes[0].caption, "About Pelmar ");
  window_.aboutBoxes[0].viewStatistics();
  EXPECT_EQ(window_.scriptedUi.messages.back(), "You launched Pelmar for the first time ! ;-)");
}

} // namespace

} // namespace program_testing
