#pragma once

#include <string>
#include <vector>

#include "platform/bitmap.h"
#include "platform/rich_text.h"

namespace platform {

// One tab of the help window: a document, or the legend of the tiles.
struct HelpPage {
  std::string caption;
  bool legend = false;
  RichText document; // empty when its file is missing, and on the legend page
};

// The help window as its view sees it. The documents are read once; the view builds its pages
// from them once and keeps them.
class HelpViewModel {
public:
  virtual ~HelpViewModel() = default;
  // In tab order.
  virtual const std::vector<HelpPage>& Pages() const = 0;
  // The page the window opens on.
  virtual int ActivePage() const = 0;
  // The legend's framed panel as it was drawn for this opening.
  virtual const Bitmap& Legend() const = 0;
};

} // namespace platform
