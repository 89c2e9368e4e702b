#include "records/about_box.h"

#include "shell/settings.h"

namespace records {

platform::AboutBox MakeAboutBox(int launchCount, platform::Ui& ui) {
  const std::string title(shell::ApplicationTitle);
  const std::size_t blank = title.find(' ');
  platform::AboutBox box;
  box.caption = "About Pelmar ";
  box.programName = title.substr(0, blank);
  box.version = "Version " + title.substr(blank + 1);
  box.credits = {"Six games with the 144 tiles of a mahjong set.",
                 "Program, layouts, tilesets, pictures, music, sounds and help made by the Pelmar "
                 "developers with their own tools."};
  box.viewStatistics = [launchCount, &ui] { ui.ShowMessage(shell::LaunchCountText(launchCount)); };
  return box;
}

} // namespace records
