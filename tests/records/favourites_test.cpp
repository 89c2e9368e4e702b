#include "records/favourites.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/test_platform.h"

namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;

// The drop: insert, reorder by the first byte only, thin twins once from the top.
TEST(DropFavourite, ReordersByFirstLetterAndThinsNeighbouringTwins) {
  struct Case {
    std::string label;
    Names before;
    std::string name;
    int at;
    Names after;
  } cases[] = {
      {"a D below Arena and Traditional lands between them",
       {"Arena", "Traditional"},
       "Dragon",
       -1,
       {"Arena", "Dragon", "Traditional"}},
      {"dropped on the first item",
       {"Arena", "Traditional"},
       "Dragon",
       0,
       {"Arena", "Dragon", "Traditional"}},
      // Same first letter: no order among them, and the swaps may turn them round.
      {"same letter keeps the drop place",
       {"Tower", "Traditional"},
       "Temple",
       0,
       {"Temple", "Tower", "Traditional"}},
      {"same letter can change places",
       {"Tower", "Traditional"},
       "Arena",
       -1,
       {"Arena", "Traditional", "Tower"}},
      {"lower case after every capital", {"Arena", "Zen"}, "bridge", 0, {"Arena", "Zen", "bridge"}},
      {"a twin landing beside its twin leaves one",
       {"Arena", "Traditional"},
       "Arena",
       1,
       {"Arena", "Traditional"}},
      {"twins apart both stay", {"Temple", "Tower"}, "Temple", 2, {"Temple", "Tower", "Temple"}},
      {"three in a row keep two", {"Arena", "Arena"}, "Arena", 0, {"Arena", "Arena"}},
      {"an empty name sorts first", {"Arena"}, "", -1, {"", "Arena"}},
  };
  for (const Case& c : cases) {
    Names favourites = c.before;
    records::DropFavourite(favourites, c.name, c.at);
    EXPECT_EQ(favourites, c.after) << c.label;
  }
}

TEST(Favourites, FileIsReadLineByLineAndAnUnreadableOneIsNeverWrittenOver) {
  testing_support::TempFolder tmp;
  const std::string dir = tmp.path().string() + "/";
  const std::string path = dir + records::FavouritesFileName;

  // Missing at start-up: the built-in three, written as a new file.
  EXPECT_EQ(records::LoadFaveLayout(dir), (Names{"Arena", "N for Tessel", "Traditional"}));
  EXPECT_EQ(testing_support::ReadText(path), "Arena\r\nN for Tessel\r\nTraditional\r\n");

  tmp.Write(records::FavouritesFileName, "Zen\n\r\nCrab.shp\r\n  spaced  \nlast");
  EXPECT_EQ(records::LoadFaveLayout(dir), (Names{"Zen", "Crab.shp", "  spaced  ", "last"}));

  for (const std::string& junk : {std::string("Arena\0Zen", 9), std::string(1 << 21, 'A')}) {
    tmp.Write(records::FavouritesFileName, junk);
    const records::FavouritesRead read = records::ReadFavourites(path);
    EXPECT_EQ(read.status, records::FavouritesRead::Status::Unreadable);
    EXPECT_NE(read.error, "");
    EXPECT_EQ(records::LoadFaveLayout(dir), records::DefaultFavourites());
    EXPECT_EQ(testing_support::ReadText(path), junk);
  }

  // A folder that cannot take the file: start-up goes on with the built-in names.
  EXPECT_EQ(records::LoadFaveLayout(dir + "absent/"), records::DefaultFavourites());
  EXPECT_NE(records::WriteFavourites(dir + "absent/" + records::FavouritesFileName, {"A"}), "");
}

TEST(ShowLayouts, ViewFavoritesOnlyShowsTheFavouritesAndTheCurrentLayout) {
  engine::LayoutState layouts;
  layouts.LayoutNames = {"Arena", "Crab.shp", "Pyramid", "Traditional"};
  const Names faves = {"Traditional", "Crab.shp", "Gone", "arena"};
  using Mark = records::LayoutEntryMark;
  struct Case {
    std::string label;
    int layoutIndex, checkedEntry;
    bool showFave;
    std::vector<Mark> marks;
  } cases[] = {
      {"all layouts", 3, 3, false, {{true, false}, {true, false}, {true, true}, {true, false}}},
      {"favourites only, by exact name",
       3,
       3,
       true,
       {{false, false}, {true, false}, {true, true}, {true, false}}},
      {"another game runs: the layout its next Solitaire takes",
       1010,
       1,
       true,
       {{true, true}, {true, false}, {false, false}, {true, false}}},
  };
  for (const Case& c : cases) {
    layouts.LayoutIndex = c.layoutIndex;
    layouts.CheckedEntry = c.checkedEntry;
    EXPECT_EQ(records::ShowLayouts(layouts, faves, c.showFave), c.marks) << c.label;
  }
}

} // namespace
