#pragma once

// The painters behind the built-in pictures, shared between their files.
#include <QColor>
#include <QImage>
#include <QRectF>

#include <string>
#include <vector>

class QPainter;

namespace assetgen::pics {

// One warm palette for every built-in picture, so the program looks of a piece.
namespace tone {
inline const QColor IvoryTop(252, 247, 232), IvoryBottom(234, 224, 198);
inline const QColor EdgeLight(226, 212, 178), Amber(200, 138, 58), AmberDark(150, 96, 38);
inline const QColor Outline(58, 40, 30);
inline const QColor Gold(232, 186, 80), GoldDark(150, 100, 30), Cream(250, 238, 206);
inline const QColor Plum(70, 34, 66), PlumDeep(36, 18, 40), Crimson(132, 0, 0);
inline const QColor Jade(36, 104, 80), Walnut(92, 58, 36), WalnutDark(54, 33, 20);
} // namespace tone

// The six kinds of the small tiles are 0..5; the joker is 6.
constexpr int KindCount = 6, Joker = 6;

// The emblem of a kind, filling `box` (a square works best).
void DrawKindSymbol(QPainter& p, const QRectF& box, int kind);

// A tile seen from the front with its depth showing to the lower left, the way every tile of
// the game is drawn: the face at `face`, the body `depth` pixels further left and down.
void DrawTile(QPainter& p, const QRectF& face, double depth, const QColor& faceTop,
              const QColor& faceBottom);

QImage SmallTile(int kind);   // 38x38 on black, the key colour of the small-tile list
QImage LetterLogo(int index); // 38x40 on RGB(128, 0, 128); index 0..5 as the panel's list
QImage MiniatureTile();       // 13x15 on black
QImage DigitStrip();          // ten digits of 20x22 side by side, on black
QImage PausePlaque();         // 156x61 on black

QImage GameScreen(int game); // 154x104, games 0..5 in the order of the games panel

QImage Splash();                 // 261x156
QImage HallPanel();              // 92x472
QImage Nuages();                 // light clouds behind dialog text
QImage Violet();                 // behind the falling-columns side panel and the about window
QImage ScorePanel();             // 105x65
QImage SliderGrid();             // 320x320
QImage NextTilesGrid();          // 64x144
QImage HandCursor(bool pressed); // 32x32 with alpha

// The hall-of-fame pictures: 92x166 each, in the file order of the table in pictures.cpp.
struct MascotFile {
  const char* file;
  QColor key;
  QImage image;
};
std::vector<MascotFile> MascotPictures();

// The toolbar's fallback pictures: 24x24 with alpha, one per button look.
struct ToolbarIcon {
  std::string file;
  QImage image;
};
// Each picture at its size and, as "NAME@2x.png", at twice it for screens of twice the density.
std::vector<ToolbarIcon> ToolbarIcons();

} // namespace assetgen::pics
