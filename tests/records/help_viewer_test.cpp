#include "records/help_viewer.h"

#include <gtest/gtest.h>

#include <random>

#include "records/tile_legend.h"
#include "render/tile_sheet.h"
#include "support/test_platform.h"

namespace {

using records::HelpPageId;

class SilentPainter final : public platform::TextPainter {
public:
  void DrawText(platform::Bitmap&, int, int, std::string_view, const platform::Font&,
                std::uint32_t) override {}
  int TextWidth(std::string_view text, const platform::Font&) override {
    return static_cast<int>(text.size()) * 5;
  }
};

platform::Bitmap NoiseTileset(unsigned seed) {
  std::mt19937 generator(seed);
  platform::Bitmap tileset(369, 567);
  for (int y = 0; y < tileset.Height(); ++y)
    for (int x = 0; x < tileset.Width(); ++x)
      tileset.SetPixel(x, y, platform::kOpaque | (generator() & platform::kRgbMask));
  return tileset;
}

struct HelpViewerTest : testing::Test {
  platform::Bitmap sheet{render::TileSheetWidth, render::TileSheetHeight};
  SilentPainter painter;
  records::HelpViewer viewer{sheet, painter};
};

TEST_F(HelpViewerTest, TheLegendShowsTheFacesOfTheTilesetInUse) {
  const std::uint32_t cloud = platform::Rgb(200, 220, 250);
  viewer.SetBackground(platform::Bitmap(64, 40, cloud));
  render::ComposeTileSheet(NoiseTileset(1), sheet);
  viewer.CallHelp(HelpPageId::SeeTiles);
  render::ComposeTileSheet(NoiseTileset(2), sheet);
  viewer.CallHelp(HelpPageId::Help);

  const platform::Bitmap& legend = viewer.Legend();
  ASSERT_EQ(legend.Width(), records::LegendWidth);
  ASSERT_EQ(legend.Height(), records::LegendHeight);
  platform::Bitmap covered(legend.Width(), legend.Height());
  for (int p = 1; p <= engine::PictureCount; ++p) {
    const render::SheetCell place = records::LegendPlace(p), cell = render::TileCell(p);
    for (int dy = 0; dy < render::FaceHeight; ++dy)
      for (int dx = 0; dx < render::FaceWidth; ++dx) {
        ASSERT_EQ(legend.Pixel(place.x + dx, place.y + dy),
                  sheet.Pixel(cell.x + render::EdgeSize + dx, cell.y + 1 + dy))
            << "picture " << p << " at " << dx << "," << dy;
        ASSERT_EQ(covered.Pixel(place.x + dx, place.y + dy), platform::Rgb(0, 0, 0))
            << "pictures overlap at " << p;
        covered.SetPixel(place.x + dx, place.y + dy, platform::Rgb(1, 1, 1));
      }
    EXPECT_TRUE(place.x >= records::LegendInset && place.y >= records::LegendInset &&
                place.x + render::FaceWidth <= records::LegendWidth - records::LegendInset &&
                place.y + render::FaceHeight <= records::LegendHeight - records::LegendInset)
        << p;
  }
  // The winds in a square, the dragons in a row, each row of suits left to right.
  struct Spot {
    int picture, x, y;
  };
  for (const Spot s : {Spot{1, 10, 34}, Spot{18, 370, 114}, Spot{27, 370, 194}, Spot{31, 145, 274},
                       Spot{32, 235, 274}, Spot{38, 530, 194}, Spot{39, 440, 34}, Spot{40, 485, 34},
                       Spot{41, 440, 114}, Spot{42, 485, 114}}) {
    EXPECT_EQ(records::LegendPlace(s.picture).x, s.x + records::LegendInset) << s.picture;
    EXPECT_EQ(records::LegendPlace(s.picture).y, s.y + records::LegendInset) << s.picture;
  }
  EXPECT_EQ(legend.Pixel(300, 100), cloud) << "the clouds show between the faces";
}

TEST_F(HelpViewerTest, PagesOfMissingDocumentsStayEmpty) {
  testing_support::TempFolder folder;
  folder.Write("pelmar.rtf", R"({\rtf1 Hello\par})");
  folder.Write("rules.rtf", std::string("\0\xff{\\", 4));
  viewer.LoadDocuments(folder.path().string() + "/");

  const auto& pages = viewer.Pages();
  ASSERT_EQ(pages.size(), 8u);
  EXPECT_EQ(pages[0].caption, "Help");
  ASSERT_EQ(pages[0].document.paragraphs.size(), 1u);
  EXPECT_EQ(pages[0].document.paragraphs[0].runs.at(0).text, "Hello");
  for (int missing : {1, 2, 5, 6, 7}) EXPECT_TRUE(pages[missing].document.paragraphs.empty());
  EXPECT_EQ(pages[7].caption, "French");

  viewer.CallHelp(HelpPageId::SeeTiles);
  EXPECT_EQ(viewer.ActivePage(), 4);
  EXPECT_TRUE(pages[4].legend);
  EXPECT_EQ(viewer.Legend().Width(), records::LegendWidth);
}

} // namespace
