// The six picture buttons of the games panel: each game in miniature, as a player sees it
// in the middle of a round.
#include <QPainter>
#include <QPainterPath>

#include <cmath>

#include "art_kit.h"
#include "assetgen.h"
#include "picture_parts.h"

namespace assetgen::pics {

namespace {

constexpr int Width = 154, Height = 104;

enum class Face { Up, Down, Picked };

void MiniTile(QPainter& p, QRectF face, double depth, int kind, Face look = Face::Up) {
  if (look == Face::Picked) {
    // A warm glow round the picked tile, as the game marks a choice.
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 214, 90, 110));
    p.drawRoundedRect(face.adjusted(-depth - 2.5, -2.5, 2.5, depth + 2.5), 4, 4);
    p.restore();
  }
  const bool down = look == Face::Down;
  const QColor top = look == Face::Picked ? QColor(255, 240, 176) : tone::IvoryTop;
  const QColor bottom = look == Face::Picked ? QColor(246, 214, 120) : tone::IvoryBottom;
  DrawTile(p, face, depth, down ? QColor(150, 60, 80) : top, down ? QColor(96, 30, 52) : bottom);
  const double inset = face.width() * 0.12;
  const QRectF box = face.adjusted(inset, inset, -inset, -inset);
  if (!down) {
    const double side = std::min(box.width(), box.height());
    DrawKindSymbol(p, QRectF(box.center() - QPointF(side / 2, side / 2), QSizeF(side, side)), kind);
    return;
  }
  p.save(); // a tile back: a small gold lozenge on plum
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(232, 186, 80, 200));
  const QPointF c = box.center();
  const double rx = box.width() * 0.3, ry = box.height() * 0.3;
  p.drawPolygon(QPolygonF(
      {c + QPointF(0, -ry), c + QPointF(rx, 0), c + QPointF(0, ry), c + QPointF(-rx, 0)}));
  p.restore();
}

// A background with a lamp-like light in the middle, in the manner of the menu's pictures.
QImage Ground(const QColor& colour, std::uint32_t seed) {
  QImage image(Width, Height, QImage::Format_RGB32);
  const art::TileableNoise mottle(seed, 4, 3, 3);
  ArtNoise grain(seed + 1);
  for (int y = 0; y < Height; ++y) {
    QRgb* row = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < Width; ++x) {
      const double dx = (x - Width / 2.0) / Width * 2, dy = (y - Height / 2.0) / Height * 2;
      const double f = 1.1 - 0.22 * (dx * dx + dy * dy) +
                       0.1 * (mottle.At(double(x) / Width, double(y) / Height) - 0.5) +
                       grain.Unit() * 0.04;
      row[x] = art::Shade(colour, f).rgb();
    }
  }
  return image;
}

// A kind for each place that looks shuffled but is the same on every run.
int KindAt(int a, int b, int c = 0) {
  return (a * 7 + b * 11 + c * 5 + a * b) % KindCount;
}

void Solitaire(QPainter& p) {
  struct Layer {
    double col0, row0; // in tiles from the base layer's corner
    int cols, rows;
  };
  // A small pyramid with a wing on either side, drawn from right to left and bottom to top as
  // the board is; the two glowing tiles are a free pair.
  static const Layer Layers[] = {{7, 1.5, 1, 1}, {0, 0, 7, 4},   {-1, 1.5, 1, 1},
                                 {1, 1, 5, 2},   {2, 1.5, 3, 1}, {3, 1.5, 1, 1}};
  static const int LayerOf[] = {0, 0, 0, 1, 2, 3};
  const double w = 15, h = 19, x0 = 24, y0 = 16;
  for (int i = 0; i < 6; ++i) {
    const Layer& l = Layers[i];
    const int z = LayerOf[i];
    for (int c = l.cols - 1; c >= 0; --c)
      for (int r = 0; r < l.rows; ++r) {
        const QRectF face(x0 + (l.col0 + c) * w + 3 * z, y0 + (l.row0 + r) * h - 3 * z, w, h);
        const bool picked = i == 0 || i == 5;
        MiniTile(p, face, 3, picked ? 3 : KindAt(c + i, r, z), picked ? Face::Picked : Face::Up);
      }
  }
}

void Rivers(QPainter& p) {
  const double w = 14, h = 18, x0 = 19, y0 = 22;
  // Holes where pairs have gone already; the two picked tiles are joined by a path of three
  // straight lines that runs above the board.
  auto gone = [](int c, int r) { return (r == 1 && (c == 2 || c == 3)) || (r == 2 && c == 6); };
  for (int c = 8; c >= 0; --c)
    for (int r = 0; r < 3; ++r) {
      if (gone(c, r)) continue;
      const bool picked = r == 0 && (c == 1 || c == 6);
      MiniTile(p, QRectF(x0 + c * w, y0 + r * h, w, h), 2, picked ? 2 : KindAt(c, r),
               picked ? Face::Picked : Face::Up);
    }
  QPainterPath path(QPointF(x0 + 1.5 * w, y0 + 2));
  path.lineTo(x0 + 1.5 * w, y0 - 12);
  path.lineTo(x0 + 6.5 * w, y0 - 12);
  path.lineTo(x0 + 6.5 * w, y0 + 2);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 226, 120, 90), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(QPen(QColor(255, 236, 150), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
}

void Memory(QPainter& p) {
  const double w = 17, h = 21, x0 = 28, y0 = 14;
  for (int c = 5; c >= 0; --c)
    for (int r = 0; r < 3; ++r) {
      const bool shown = (c == 1 && r == 1) || (c == 4 && r == 0);
      MiniTile(p, QRectF(x0 + c * (w + 2), y0 + r * (h + 4), w, h), 3, shown ? 3 : 0,
               shown ? Face::Picked : Face::Down);
    }
}

void Clicks(QPainter& p) {
  // Columns of different heights: groups have gone and the rest has fallen and closed up.
  static const int Heights[] = {5, 5, 4, 5, 3, 4, 5, 2, 4, 3};
  static const int Field[10][5] = {
      {0, 0, 1, 2, 2}, {0, 3, 1, 1, 2}, {3, 3, 1, 0, 0}, {2, 2, 2, 0, 1}, {1, 3, 3, 0, 0},
      {1, 1, 3, 2, 0}, {0, 1, 2, 2, 3}, {0, 3, 3, 3, 1}, {2, 2, 0, 1, 1}, {3, 0, 0, 1, 2}};
  const double pitch = 13, x0 = 14, bottom = 88;
  for (int c = 9; c >= 0; --c)
    for (int r = Heights[c] - 1; r >= 0; --r)
      MiniTile(p, QRectF(x0 + c * pitch, bottom - (r + 1) * pitch, pitch, pitch), 2, Field[c][r]);
  const QImage hand = HandCursor(false);
  p.drawImage(QRectF(66, 56, 24, 24), hand);
}

void Slider(QPainter& p) {
  // The tray in small: seven cells a side, five gems in a row about to vanish.
  const QRectF tray(8, 6, 92, 92), floor(12, 10, 84, 84);
  p.setPen(QPen(tone::WalnutDark, 1));
  p.setBrush(tone::Walnut);
  p.drawRoundedRect(tray, 3, 3);
  p.setBrush(tone::Jade.darker(115));
  p.drawRect(floor);
  p.setPen(QPen(QColor(16, 60, 46), 0.8));
  for (int i = 1; i < 7; ++i) {
    p.drawLine(QPointF(floor.left() + 12 * i, floor.top()),
               QPointF(floor.left() + 12 * i, floor.bottom()));
    p.drawLine(QPointF(floor.left(), floor.top() + 12 * i),
               QPointF(floor.right(), floor.top() + 12 * i));
  }
  static const int Board[7][7] = {{-1, 0, -1, -1, 4, -1, -1},  {-1, -1, 1, -1, -1, -1, 2},
                                  {-1, -1, -1, -1, -1, 0, -1}, {5, 5, 5, 5, 5, -1, -1},
                                  {-1, -1, 2, -1, -1, -1, 1},  {4, -1, -1, -1, 3, -1, -1},
                                  {-1, -1, -1, 0, -1, -1, 2}};
  for (int c = 6; c >= 0; --c)
    for (int r = 0; r < 7; ++r) {
      const int kind = Board[r][c];
      if (kind < 0) continue;
      const QRectF face(floor.left() + 12 * c + 2, floor.top() + 12 * r - 2, 12, 12);
      MiniTile(p, face, 2, kind, r == 3 ? Face::Picked : Face::Up);
    }
  const QRectF next(112, 22, 32, 56);
  p.setPen(QPen(tone::WalnutDark, 1));
  p.setBrush(tone::Walnut);
  p.drawRoundedRect(next, 3, 3);
  p.setBrush(tone::Jade.darker(115));
  p.drawRect(next.adjusted(6, 8, -6, -8));
  for (int k = 0; k < 3; ++k) MiniTile(p, QRectF(121, 28 + 13 * k, 12, 12), 2, (k * 2 + 1) % 6);
}

void Hashira(QPainter& p) {
  const double pitch = 13, left = 38, top = 5;
  const QRectF pit(left - 3, top, 6 * pitch + 5, 94);
  p.setPen(QPen(tone::Gold, 1));
  p.setBrush(QColor(10, 6, 14));
  p.drawRect(pit);
  // Settled stacks, three equal tiles about to vanish, and a column on its way down.
  static const int Stacks[6][4] = {{1, 4, 2, -1},  {0, 0, -1, -1}, {3, 3, 3, 1},
                                   {2, 5, -1, -1}, {4, 1, 5, 2},   {5, -1, -1, -1}};
  const double floorY = pit.bottom() - 2;
  for (int c = 5; c >= 0; --c)
    for (int r = 0; r < 4; ++r) {
      const int kind = Stacks[c][r];
      if (kind < 0) continue;
      const QRectF face(left + c * pitch + 2, floorY - (r + 1) * pitch, pitch - 1, pitch - 1);
      MiniTile(p, face, 2, kind, c == 2 && r < 3 ? Face::Picked : Face::Up);
    }
  for (int k = 0; k < 3; ++k)
    MiniTile(p, QRectF(left + 4 * pitch + 2, top + 8 + k * pitch, pitch - 1, pitch - 1), 2,
             (k + 3) % 6);
  p.setPen(QPen(tone::Gold, 1));
  p.setBrush(QColor(40, 22, 52));
  p.drawRoundedRect(QRectF(126, 22, 20, 48), 3, 3);
  for (int k = 0; k < 3; ++k) MiniTile(p, QRectF(130, 27 + k * 13, 12, 12), 2, (k * 5 + 2) % 6);
}

struct Scene {
  QColor ground;
  void (*paint)(QPainter&);
};
const Scene Scenes[] = {
    {tone::Jade, Solitaire},      {QColor(34, 84, 104), Rivers}, {QColor(98, 30, 30), Memory},
    {QColor(52, 62, 88), Clicks}, {QColor(78, 52, 36), Slider},  {QColor(72, 48, 100), Hashira},
};

} // namespace

QImage GameScreen(int game) {
  QImage image = Ground(Scenes[game].ground, 151 + game);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  Scenes[game].paint(p);
  p.setPen(QPen(QColor(0, 0, 0, 80), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(0.5, 0.5, Width - 1, Height - 1));
  return image;
}

} // namespace assetgen::pics
