// The program's icon: two tiles of the game, one leaning on the other, drawn once in a 256-unit
// square and written as the scalable picture and as the sizes a desktop's icon theme holds.
#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include "assetgen.h"
#include "image_files.h"
#include "picture_parts.h"

namespace assetgen {

namespace {

constexpr int Units = 256;
constexpr int PngSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

void PaintIcon(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  const double depth = 14;
  const QRectF back(110, 14, 116, 150), front(50, 86, 116, 150);
  pics::DrawTile(p, back, depth, pics::tone::IvoryTop, pics::tone::IvoryBottom);
  pics::DrawKindSymbol(p, back.adjusted(14, 31, -14, -31), 2);
  pics::DrawTile(p, front, depth, pics::tone::IvoryTop, pics::tone::IvoryBottom);
  pics::DrawKindSymbol(p, front.adjusted(10, 27, -10, -27), 0);
}

QByteArray Png(int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.scale(static_cast<double>(size) / Units, static_cast<double>(size) / Units);
  PaintIcon(p);
  p.end();
  QByteArray png;
  QBuffer buffer(&png);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return png;
}

std::string_view Bytes(const QByteArray& a) {
  return {a.constData(), static_cast<std::size_t>(a.size())};
}

} // namespace

void MakeProgramIcon(const fs::path& out) {
  const fs::path theme = out / "icons" / "hicolor";
  for (int size : PngSizes) {
    const std::string folder = std::to_string(size) + "x" + std::to_string(size);
    SaveBytes(Bytes(Png(size)), theme / folder / "apps" / "pelmar.png");
  }
  SaveBytes(Bytes(Png(Units)), out / "builtin" / "icon.png");

  QByteArray svg;
  QBuffer buffer(&svg);
  QSvgGenerator generator;
  generator.setOutputDevice(&buffer);
  generator.setSize(QSize(Units, Units));
  generator.setViewBox(QRect(0, 0, Units, Units));
  generator.setTitle("Pelmar");
  generator.setDescription("The icon of Pelmar: two tiles of the game");
  QPainter p(&generator);
  PaintIcon(p);
  p.end();
  SaveBytes(Bytes(svg), theme / "scalable" / "apps" / "pelmar.svg");
}

} // namespace assetgen
