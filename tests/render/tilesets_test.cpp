#include "render/tilesets.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "render/tile_sheet.h"
#include "support/test_platform.h"

namespace {

namespace fs = std::filesystem;
using render::PictureMenu;
using testing_support::SolidBmp;

// Prints a label as one black pixel at its corner and remembers what it printed.
class DotPainter final : public platform::TextPainter {
public:
  void DrawText(platform::Bitmap& target, int x, int y, std::string_view text,
                const platform::Font&, std::uint32_t colour) override {
    target.SetPixel(x, y, colour);
    labels.emplace_back(text);
  }
  int TextWidth(std::string_view text, const platform::Font&) override {
    return static_cast<int>(text.size()) * 4;
  }
  std::vector<std::string> labels;
};

struct TilesetsFixture : testing::Test {
  TilesetsFixture() : services(state), tilesets(state, services, pictures) {
    state.layouts.Folders = tmp.path().string() + "/";
    fs::create_directory(tmp.path() / "Tilesets");
    tilesets.menu.captions = {"Green", "Ivory"};
    tilesets.painter = &painter;
  }
  std::string WriteTileset(const std::string& name, std::uint32_t rgb) {
    return tmp.Write("Tilesets/" + name, SolidBmp(369, 567, rgb));
  }
  std::uint32_t SheetPixel() const { return pictures.TileSheet.Pixel(10, 10); }
  testing_support::ScriptedUi& ui() { return services.scriptedUi(); }

  testing_support::TempFolder tmp;
  engine::GameState state;
  testing_support::RecordingServices services;
  render::BoardPictures pictures;
  DotPainter painter;
  render::Tilesets tilesets;
};

TEST_F(TilesetsFixture, AFileEntryLoadsComposesAndRedrawsOnlyOnceTheWindowRuns) {
  WriteTileset("Ivory.bmp", 0x102030);
  tilesets.Load1Click(3);
  EXPECT_EQ(tilesets.menu.checked, 3);
  EXPECT_EQ(SheetPixel(), platform::Rgb(0x10, 0x20, 0x30)) << "the body is copied into the sheet";
  EXPECT_EQ(services.fullRedraws, 0) << "nothing is drawn while starting";
  state.board.GameMode = engine::ModeSolitaire;
  tilesets.Load1Click(3);
  EXPECT_EQ(services.fullRedraws, 1);
  EXPECT_TRUE(ui().questions.empty());
}

TEST_F(TilesetsFixture, LoadFromDiskAsksOnlyWhenItMust) {
  const std::string stored = WriteTileset("Mine.bmp", 0x010203);
  const std::string other = WriteTileset("Other.bmp", 0x040506);
  state.board.GameMode = engine::ModeSolitaire;
  struct Case {
    const char* label;
    std::string lastLoaded;
    int checked;
    std::deque<std::string> answers;
    std::size_t dialogs;
    int checkedAfter;
    std::string lastLoadedAfter;
  } cases[] = {
      {"stored file, entry not checked: no dialog", stored, 2, {}, 0, 0, stored},
      {"entry checked: the dialog", stored, 0, {other}, 1, 0, other},
      {"nothing stored: the dialog", "", 2, {other}, 1, 0, other},
      {"cancelled in a game: nothing changes", "", 2, {}, 1, 2, ""},
      {"stored file gone: forgotten, then asked", stored + ".gone", 2, {other}, 1, 0, other},
  };
  for (const Case& c : cases) {
    tilesets.menu.lastLoaded = c.lastLoaded;
    tilesets.menu.checked = c.checked;
    ui().questions.clear();
    ui().openFileNames = c.answers;
    tilesets.Load1Click(PictureMenu::FromDisk);
    EXPECT_EQ(ui().questions.size(), c.dialogs) << c.label;
    EXPECT_EQ(tilesets.menu.checked, c.checkedAfter) << c.label;
    EXPECT_EQ(tilesets.menu.lastLoaded, c.lastLoadedAfter) << c.label;
  }
  EXPECT_EQ(ui().questions.back(), "Please choose a Tileset bitmap file");
}

TEST_F(TilesetsFixture, AnEntryWhoseFileHasGoneFallsBackToTheDisk) {
  const std::string mine = WriteTileset("Mine.bmp", 0x010203);
  ui().openFileNames = {mine};
  tilesets.Load1Click(2); // "Green.bmp" was never written
  EXPECT_EQ(tilesets.menu.checked, PictureMenu::FromDisk);
  EXPECT_EQ(tilesets.menu.lastLoaded, mine);
}

TEST_F(TilesetsFixture, StartUpCancelEndsWithoutATilesetInsteadOfAskingForever) {
  tilesets.Load1Click(PictureMenu::FromDisk);
  EXPECT_EQ(ui().questions.size(), 1u);
  EXPECT_EQ(tilesets.menu.checked, PictureMenu::NoEntry);
  // With a file stored, a cancel at start-up goes on with it.
  const std::string mine = WriteTileset("Mine.bmp", 0x010203);
  tilesets.menu.lastLoaded = mine;
  tilesets.menu.checked = PictureMenu::FromDisk;
  tilesets.Load1Click(PictureMenu::FromDisk);
  EXPECT_EQ(tilesets.menu.checked, PictureMenu::FromDisk);
  EXPECT_EQ(SheetPixel(), platform::Rgb(1, 2, 3));
}

TEST_F(TilesetsFixture, ABrokenOrTooSmallFileKeepsTheTilesAndSaysWhy) {
  struct Case {
    std::string bytes, says;
  } cases[] = {
      {"BM not really a bitmap", "Green.bmp"},
      {SolidBmp(100, 100, 0xFFFFFF), "Green.bmp\": the picture is 100x100 pixels, and a tileset "
                                     "needs 369x567."},
      {SolidBmp(368, 567, 0xFFFFFF), "368x567"},
      {SolidBmp(369, 566, 0xFFFFFF), "369x566"},
  };
  WriteTileset("Ivory.bmp", 0x102030);
  tilesets.Load1Click(3);
  for (const Case& c : cases) {
    tmp.Write("Tilesets/Green.bmp", c.bytes);
    ui().messages.clear();
    tilesets.Load1Click(2);
    EXPECT_EQ(tilesets.menu.checked, 3) << c.says;
    EXPECT_EQ(SheetPixel(), platform::Rgb(0x10, 0x20, 0x30)) << c.says;
    ASSERT_EQ(ui().messages.size(), 1u) << c.says;
    EXPECT_NE(ui().messages[0].find(c.says), std::string::npos) << ui().messages[0];
  }
}

TEST_F(TilesetsFixture, LabelsArePrintedIntoPictureAndMaskAndVanishWhenTurnedOff) {
  WriteTileset("Ivory.bmp", 0xFFFFFF);
  tilesets.Load1Click(3);
  const platform::Rect face = render::FaceBox(28);
  tilesets.ShowRomanizedClick();
  EXPECT_TRUE(state.options.ShowRomanized);
  ASSERT_EQ(painter.labels.size(), 84u) << "42 pictures, each in picture and mask";
  EXPECT_EQ(painter.labels[0], "1");
  EXPECT_EQ(pictures.TilesetBitmap.Pixel(face.left + 1, face.top + 1), platform::Rgb(0, 0, 0));
  EXPECT_EQ(pictures.TilesetBitmap.Pixel(face.left + 1, face.top + 313), platform::Rgb(0, 0, 0));
  tilesets.ShowRomanizedClick();
  EXPECT_EQ(pictures.TilesetBitmap.Pixel(face.left + 1, face.top + 1), platform::Rgb(255, 255, 255))
      << "the file is read again, so labels never pile up";
}

TEST_F(TilesetsFixture, LabelsWithLoadFromDiskCheckedAskAgain) {
  state.board.GameMode = engine::ModeSolitaire;
  tilesets.menu.checked = PictureMenu::FromDisk;
  tilesets.menu.lastLoaded = WriteTileset("Mine.bmp", 0x010203);
  tilesets.ShowRomanizedClick();
  EXPECT_EQ(ui().questions.size(), 1u);
  EXPECT_TRUE(painter.labels.empty()) << "cancelled: the sheet stays until the next load";
}

TEST(RomanizedLabel, NamesEveryPicture) {
  const std::pair<int, std::string_view> cases[] = {
      {1, "1"},    {9, "9"},   {10, "1"},  {27, "9"}, {28, "BAM"}, {31, "ORC"}, {32, "WIN"},
      {35, "AUT"}, {36, "D1"}, {38, "D3"}, {39, "N"}, {42, "W"},   {0, ""},     {43, ""},
  };
  for (const auto& [picture, label] : cases) EXPECT_EQ(render::RomanizedLabel(picture), label);
}

TEST(RetireOldTilesets, MovesAllFourOrNone) {
  const char* names[] = {"pai.bmp", "pai256.bmp", "darkpai.bmp", "bluepai.bmp"};
  for (int present : {3, 4}) {
    testing_support::TempFolder tmp;
    for (int i = 0; i < present; ++i) tmp.Write(names[i], "x");
    render::RetireOldTilesets(tmp.path().string() + "/");
    for (int i = 0; i < present; ++i)
      EXPECT_EQ(fs::exists(tmp.path() / "Backup" / names[i]), present == 4) << names[i];
  }
}

TEST(RetireOldTilesets, AFileAlreadyInBackupStays) {
  testing_support::TempFolder tmp;
  for (const char* name : {"pai.bmp", "pai256.bmp", "darkpai.bmp", "bluepai.bmp"})
    tmp.Write(name, "new");
  tmp.Write("Backup/pai256.bmp", "old");
  render::RetireOldTilesets(tmp.path().string() + "/");
  EXPECT_TRUE(fs::exists(tmp.path() / "pai256.bmp"));
  EXPECT_EQ(testing_support::ReadText(tmp.path() / "Backup" / "pai256.bmp"), "old");
  EXPECT_TRUE(fs::exists(tmp.path() / "Backup" / "bluepai.bmp"));
}

} // namespace
