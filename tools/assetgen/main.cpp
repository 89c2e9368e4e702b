// Makes the program's own art, music, sounds and help documents, deterministically.
#include <QGuiApplication>

#include <cstdlib>
#include <iostream>
#include <string>

#include "assetgen.h"

namespace {

const char* const Usage = "usage: assetgen --assets ASSETS_DIR --out BUILD_DIR [--sheet SHEET.png]\n";

} // namespace

int main(int argc, char** argv) {
  // No display is needed to paint into images; fonts still come from fontconfig.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);

  std::string assets, out, sheet;
  for (int i = 1; i < argc; ++i) {
    std::string a = argv[i];
    if (i + 1 < argc && a == "--assets") assets = argv[++i];
    else if (i + 1 < argc && a == "--out") out = argv[++i];
    else if (i + 1 < argc && a == "--sheet") sheet = argv[++i];
    else {
      std::cerr << Usage;
      return 2;
    }
  }
  if (out.empty() || (assets.empty() && sheet.empty())) {
    std::cerr << Usage;
    return 2;
  }
  if (!assets.empty()) {
    assetgen::MakeTilesets(out);
    assetgen::MakeBackgrounds(out);
    assetgen::MakePictures(out);
    assetgen::MakeMusic(assets, out);
    assetgen::MakeSounds(out);
    assetgen::CopyHelpDocuments(assets, out);
    assetgen::MakeProgramIcon(out);
  }
  if (!sheet.empty()) assetgen::DrawContactSheet(out, sheet);
  return 0;
}
