#include "render/picture_menu.h"

#include "platform/files.h"

namespace render {

namespace {
// A dialog keeps answering with files that vanish before we read them: stop asking.
constexpr int MaxDialogs = 3;
} // namespace

std::optional<std::string> ChooseFromDisk(PictureMenu& menu, const DiskDialog& dialog,
                                          platform::Ui& ui, bool startingUp) {
  bool ask = menu.checked == PictureMenu::FromDisk || menu.lastLoaded.empty();
  for (int dialogs = 0; dialogs < MaxDialogs;) {
    if (ask) {
      ++dialogs;
      const std::string chosen = ui.AskOpenFileName(dialog.title, dialog.filter, dialog.folder);
      if (!chosen.empty())
        menu.lastLoaded = chosen;
      else if (!startingUp || menu.lastLoaded.empty())
        return std::nullopt;
    }
    if (platform::FileExists(menu.lastLoaded)) return menu.lastLoaded;
    menu.lastLoaded.clear();
    ask = true;
  }
  return std::nullopt;
}

} // namespace render
