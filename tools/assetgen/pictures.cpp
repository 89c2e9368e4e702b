// The pictures built into the program, written to builtin/ for its resources.
//
// file                       size     key colour   role
// splash.bmp                 261x156               splash window; from row 124 down plain
//                                                  RGB(132,0,0) under the progress and version
// hall_panel.bmp             92x472                hall-of-fame side panel background
// nuages.jpg                 640x400               behind the help, about and hall-of-fame
//                                                  text; light, so dark text reads on it
// violet.jpg                 200x400               falling-columns side panel, about box
// screen1.jpg .. screen6.jpg 154x104               games-panel buttons: Solitaire, Rivers,
//                                                  Memory, Clicks, Slider, Hashira
// slider_grid.bmp            320x320               Slider field: 9x9 felt cells of 32 pixels
//                                                  from (16,16) to (304,304)
// next_grid.bmp              64x144                Slider next tiles: cells (16,30)-(48,126)
// score_panel.bmp            105x65                score panel: the score in a light colour
//                                                  in the dark window (10,23)-(95,56)
// small_tile1..6.bmp         38x38    black        small tiles, kinds 1..6: face 32x32 at
// small_joker.bmp            38x38    black        (6,0), edge below and left; the joker 7th
// shadow_v01.bmp             10x20    black        shadow pieces V0 and V1
// shadow_v2..shadow_v5.bmp   10x20    black        shadow pieces V2, V3, V4, V5
// shadow_h.bmp               20x10    black        shadow piece H
// hof_welcome_content.bmp    92x166   132,255,132  hall-of-fame picture 0
// hof_welcome_delighted.bmp  92x166   132,255,132  1, drawn over 0
// hof_welcome_worried.bmp    92x166   132,255,132  2, drawn over 0
// hof_clicks_*.bmp           92x166   132,255,132  3 content; 4 delighted, 5 worried over 3
// hof_rivers_*.bmp           92x166   132,255,132  6 content; 7 delighted, 8 worried over 6
// hof_solitaire_*.bmp        92x166   132,255,132  9 content; 10 delighted, 11 worried over 9
// hof_orchid_other.bmp       92x166   124,65,123   12
// hof_orchid_clicks.bmp      92x166   124,65,123   13
// hof_orchid_solitaire.bmp   92x166   124,66,123   14
// hof_orchid_rivers.bmp      92x166   124,65,123   15
// hof_hashira_*.bmp          92x166   125,64,124   16 focused; 17 cheer, 18 surprised over 16
// pause.bmp                  156x61   black        the pause picture that wanders
// logo1.bmp .. logo6.bmp     38x40    128,0,128    games-panel logos, images 0..5
// digits.bmp                 200x22   black        the pit's digits in one strip: digit d is
//                                                  the 20x22 cell at x = 20 d
// miniature_tile.bmp         13x15    black        the layout chooser's miniature tile
// hand.png                   32x32    alpha        hand cursor, hot spot (13, 1)
// hand_pressed.png           32x32    alpha        pressed hand cursor, hot spot (13, 1)
// tool_*.png                 24x24    alpha        toolbar pictures when the desktop has no
//                                                  icon theme; also the menus' glyphs
// tool_*@2x.png              48x48    alpha        the same for screens of twice the density
// icon.png                   256x256  alpha        the window's icon (program_icon.cpp)
//
// A new picture is one row here and one entry in the tables below; its painter goes beside
// its kin (panels.cpp, small_tiles.cpp, game_scenes.cpp, mascot.cpp).
#include <QBuffer>
#include <QImage>

#include <string>

#include "assetgen.h"
#include "image_files.h"
#include "picture_parts.h"
#include "render/shadow_pieces.h"

namespace assetgen {

namespace {

// The shadow pieces come from the board drawing's own table, so the files cannot drift from
// what the board draws.
struct ShadowFile {
  const char* file;
  render::ShadowPiece piece;
};
const ShadowFile ShadowFiles[] = {
    {"shadow_v01.bmp", render::V1}, {"shadow_v2.bmp", render::V2}, {"shadow_v3.bmp", render::V3},
    {"shadow_v4.bmp", render::V4},  {"shadow_v5.bmp", render::V5}, {"shadow_h.bmp", render::H},
};

struct Picture {
  const char* file;
  QImage (*make)();
};
const Picture Pictures[] = {
    {"splash.bmp", pics::Splash},
    {"hall_panel.bmp", pics::HallPanel},
    {"nuages.jpg", pics::Nuages},
    {"violet.jpg", pics::Violet},
    {"slider_grid.bmp", pics::SliderGrid},
    {"next_grid.bmp", pics::NextTilesGrid},
    {"score_panel.bmp", pics::ScorePanel},
    {"pause.bmp", pics::PausePlaque},
    {"digits.bmp", pics::DigitStrip},
    {"miniature_tile.bmp", pics::MiniatureTile},
    {"hand.png", [] { return pics::HandCursor(false); }},
    {"hand_pressed.png", [] { return pics::HandCursor(true); }},
};

void Save(const QImage& image, const fs::path& path) {
  const std::string ext = path.extension().string();
  if (ext == ".jpg") return SaveJpeg(image, path, 92);
  if (ext == ".bmp") return SaveBmp(image, path);
  QByteArray png; // cursors and toolbar pictures keep their alpha
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
  SaveBytes(std::string_view(png.constData(), static_cast<std::size_t>(png.size())), path);
}

} // namespace

void MakePictures(const fs::path& out) {
  const fs::path folder = out / "builtin";
  for (const Picture& p : Pictures) Save(p.make(), folder / p.file);
  for (const ShadowFile& s : ShadowFiles)
    Save(ToQImage(render::BuildShadowPiece(render::ShadowPieceShapes[s.piece])), folder / s.file);
  for (int kind = 0; kind < pics::KindCount; ++kind)
    Save(pics::SmallTile(kind), folder / ("small_tile" + std::to_string(kind + 1) + ".bmp"));
  Save(pics::SmallTile(pics::Joker), folder / "small_joker.bmp");
  for (int i = 0; i < 6; ++i) {
    const std::string n = std::to_string(i + 1);
    Save(pics::GameScreen(i), folder / ("screen" + n + ".jpg"));
    Save(pics::LetterLogo(i), folder / ("logo" + n + ".bmp"));
  }
  for (const pics::MascotFile& m : pics::MascotPictures()) Save(m.image, folder / m.file);
  for (const pics::ToolbarIcon& t : pics::ToolbarIcons()) Save(t.image, folder / t.file);
}

} // namespace assetgen
