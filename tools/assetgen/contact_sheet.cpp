// One page for a person to review everything assetgen made: each tileset composed exactly as
// the game composes its tiles, every background, every built-in picture and every layout.
#include <QFont>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <iostream>
#include <vector>

#include "assetgen.h"
#include "engine/layout_file.h"
#include "platform/bmp_reader.h"
#include "platform/files.h"
#include "render/tile_sheet.h"

namespace assetgen {

namespace {

constexpr int PageWidth = 1200, Margin = 16, Gap = 10;

std::vector<fs::path> FilesIn(const fs::path& folder,
                              std::initializer_list<const char*> extensions) {
  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(folder, ec)) {
    std::string ext = entry.path().extension().string();
    for (const char* wanted : extensions)
      if (entry.is_regular_file() && ext == wanted) files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// BMP files go through the game's own reader, so the sheet also proves it can read them.
QImage LoadPicture(const fs::path& path) {
  if (path.extension() != ".bmp") return QImage(QString::fromStdString(path.string()));
  platform::FileRead file = platform::ReadWholeFile(path.string(), 64 << 20);
  platform::DecodedPicture picture = platform::DecodeBmp(file.bytes);
  if (!picture.ok) {
    std::cerr << "assetgen: " << path.string() << ": " << picture.error << "\n";
    return {};
  }
  return ToQImage(picture.bitmap);
}

} // namespace

QImage ToQImage(const platform::Bitmap& bitmap) {
  QImage image(bitmap.Width(), bitmap.Height(), QImage::Format_RGB32);
  for (int y = 0; y < bitmap.Height(); ++y)
    std::copy_n(bitmap.Pixels() + y * bitmap.Width(), bitmap.Width(),
                reinterpret_cast<std::uint32_t*>(image.scanLine(y)));
  return image;
}

namespace {

// Lays pictures out left to right, starting a new row when the page is full.
class Flow {
public:
  explicit Flow(QPainter& painter, int top) : painter_(painter), x_(Margin), y_(top) {}

  void Heading(const QString& text) {
    NewRow();
    painter_.setPen(QColor(40, 40, 40));
    painter_.setFont(QFont("DejaVu Sans", 14, QFont::Bold));
    painter_.drawText(Margin, y_ + 20, text);
    y_ += 30;
  }
  void Place(const QImage& image, const QString& caption) {
    int w = std::max(image.width(), 60);
    if (x_ + w > PageWidth - Margin) NewRow();
    painter_.drawImage(x_, y_, image);
    painter_.setPen(QColor(60, 60, 60));
    painter_.setFont(QFont("DejaVu Sans", 7));
    painter_.drawText(x_, y_ + image.height() + 11, caption);
    x_ += w + Gap;
    rowHeight_ = std::max(rowHeight_, image.height() + 16);
  }
  void NewRow() {
    if (x_ == Margin) return;
    x_ = Margin;
    y_ += rowHeight_ + Gap;
    rowHeight_ = 0;
  }
  int Bottom() const { return y_ + rowHeight_ + Margin; }

private:
  QPainter& painter_;
  int x_, y_, rowHeight_ = 0;
};

// The 42 finished tiles of a tileset, two rows of 21 as the game composes them.
QImage TilesetStrip(const fs::path& path) {
  platform::FileRead file = platform::ReadWholeFile(path.string(), 64 << 20);
  platform::DecodedPicture tileset = platform::DecodeBmp(file.bytes);
  if (!tileset.ok) return {};
  platform::Bitmap sheet(render::TileSheetWidth, render::TileSheetHeight);
  render::ComposeTileSheet(tileset.bitmap, sheet);
  QImage composed = ToQImage(sheet);
  QImage strip(21 * (render::TileWidth + 2), 2 * (render::TileHeight + 2), QImage::Format_RGB32);
  strip.fill(QColor(230, 230, 225));
  QPainter painter(&strip);
  for (int p = 1; p <= engine::PictureCount; ++p) {
    render::SheetCell cell = render::TileCell(p);
    int i = p - 1;
    painter.drawImage(i % 21 * (render::TileWidth + 2), i / 21 * (render::TileHeight + 2), composed,
                      cell.x, cell.y, render::TileWidth, render::TileHeight);
  }
  return strip;
}

// A background shown at a quarter of the board's size; small pictures repeat as in the game.
QImage BackgroundThumbnail(const fs::path& path) {
  QImage picture = LoadPicture(path);
  QImage board(704, 468, QImage::Format_RGB32);
  QPainter painter(&board);
  painter.fillRect(board.rect(), QBrush(picture));
  painter.end();
  return board.scaled(176, 117, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A layout seen from above at a fifth of the board's size, higher layers lighter.
QImage LayoutMiniature(const fs::path& path) {
  platform::FileRead file = platform::ReadWholeFile(path.string(), engine::MaxLayoutFileBytes);
  engine::ParsedLayout layout =
      path.extension() == ".shp" ? engine::ParseShp(file.bytes) : engine::ParseLay(file.bytes);
  QImage mini(150, 100, QImage::Format_RGB32);
  mini.fill(QColor(40, 90, 70));
  if (layout.outcome != engine::ParsedLayout::Outcome::Ok) return mini;
  QPainter painter(&mini);
  for (int z = 1; z <= engine::GridLayers; ++z)
    for (int x = engine::GridWidth; x >= 1; --x)
      for (int y = 1; y <= engine::GridHeight; ++y) {
        if (!layout.cells(x, y, z)) continue;
        int left = 4 * x + z - 2, top = 5 * y - z - 2;
        int shade = 170 + 17 * z;
        painter.fillRect(left - 1, top, 9, 11, QColor(90, 70, 40));
        painter.fillRect(left, top, 7, 9, QColor(shade, shade, shade - 25));
      }
  return mini;
}

} // namespace

void DrawContactSheet(const fs::path& out, const fs::path& sheetPng) {
  QImage page(PageWidth, 6000, QImage::Format_RGB32);
  page.fill(QColor(248, 246, 240));
  QPainter painter(&page);
  painter.setRenderHint(QPainter::Antialiasing);
  Flow flow(painter, Margin);

  flow.Heading("Tilesets");
  for (const fs::path& file : FilesIn(out / "Tilesets", {".bmp"}))
    flow.Place(TilesetStrip(file), QString::fromStdString(file.filename().string()));
  flow.Heading("Backgrounds");
  for (const fs::path& file : FilesIn(out / "Backgrounds", {".jpg", ".bmp"}))
    flow.Place(BackgroundThumbnail(file), QString::fromStdString(file.filename().string()));
  flow.Heading("Built-in pictures");
  for (const fs::path& file : FilesIn(out / "builtin", {".bmp", ".jpg", ".png"}))
    flow.Place(LoadPicture(file), QString::fromStdString(file.filename().string()));
  flow.Heading("Layouts");
  for (const fs::path& file : FilesIn(out / "Layouts", {".lay", ".shp"}))
    flow.Place(LayoutMiniature(file), QString::fromStdString(file.stem().string()));
  painter.end();

  QImage cropped = page.copy(0, 0, PageWidth, std::min(flow.Bottom(), page.height()));
  if (!cropped.save(QString::fromStdString(sheetPng.string()), "PNG")) {
    std::cerr << "assetgen: cannot write " << sheetPng.string() << "\n";
    std::exit(1);
  }
  std::cout << "Contact sheet: " << sheetPng.string() << "\n";
}

} // namespace assetgen
