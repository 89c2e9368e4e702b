#include "records/help_viewer.h"

#include <array>

#include "platform/files.h"
#include "platform/rtf_reader.h"
#include "records/tile_legend.h"

namespace records {

namespace {

struct PageEntry {
  const char* caption;
  const char* file; // nullptr for the legend
};
// By HelpPageId.
constexpr std::array<PageEntry, 8> PageTable{{
    {"Help", "pelmar.rtf"},
    {"What's New", "whatsnew.rtf"},
    {"What's Old", "whatsold.rtf"},
    {"Game Rules", "rules.rtf"},
    {"View Tileset", nullptr},
    {"Menu Items", "menu.rtf"},
    {"Troubleshooting FAQ", "trouble.rtf"},
    {"French", "francais.rtf"},
}};

} // namespace

HelpViewer::HelpViewer(const platform::Bitmap& tileSheet, platform::TextPainter& painter)
    : tileSheet_(tileSheet), painter_(painter) {
  for (const PageEntry& entry : PageTable)
    pages_.push_back(platform::HelpPage{entry.caption, entry.file == nullptr, {}});
}

void HelpViewer::LoadDocuments(const std::string& shippedFolder) {
  for (std::size_t i = 0; i < PageTable.size(); ++i) {
    if (!PageTable[i].file) continue;
    const platform::FileRead read =
        platform::ReadWholeFile(shippedFolder + PageTable[i].file, platform::MaxRtfBytes);
    pages_[i].document = read.ok ? platform::ReadRtf(read.bytes) : platform::RichText{};
  }
}

void HelpViewer::CallHelp(HelpPageId page) {
  activePage_ = static_cast<int>(page);
  DrawTileLegend(legend_, clouds_, tileSheet_, painter_);
}

} // namespace records
