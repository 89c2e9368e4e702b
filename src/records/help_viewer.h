#pragma once

#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/help_view.h"
#include "platform/text.h"

namespace records {

// The pages of the help window, in tab order.
enum class HelpPageId {
  Help,
  Whatsnew,
  TabSheet3,
  TabSheet2,
  SeeTiles,
  MenuItems,
  TabSheet1,
  French
};

// The help window: its documents, read once at start-up, and the tile legend, drawn at every
// opening from the tile sheet in use.
class HelpViewer final : public platform::HelpViewModel {
public:
  // `tileSheet` is the composed sheet the board is drawn from; it changes with the tileset.
  HelpViewer(const platform::Bitmap& tileSheet, platform::TextPainter& painter);

  // Reads each document of the shipped data folder (ProgramFolders::shipped: the program folder,
  // or the installed data folder) into its page. A missing or unreadable file leaves its page
  // empty; nothing is reported.
  void LoadDocuments(const std::string& shippedFolder);
  // The picture the legend is drawn over.
  void SetBackground(platform::Bitmap clouds) { clouds_ = std::move(clouds); }
  // Chooses the page to open on and draws the legend with the tiles as they are now.
  void CallHelp(HelpPageId page);

  const std::vector<platform::HelpPage>& Pages() const override { return pages_; }
  int ActivePage() const override { return activePage_; }
  const platform::Bitmap& Legend() const override { return legend_; }

private:
  const platform::Bitmap& tileSheet_;
  platform::TextPainter& painter_;
  std::vector<platform::HelpPage> pages_;
  int activePage_ = 0;
  platform::Bitmap clouds_;
  platform::Bitmap legend_;
};

} // namespace records
