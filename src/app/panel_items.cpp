#include "app/panel_items.h"

#include "shell/games_panel.h"

namespace app {

namespace {

platform::PanelButtonItem Button(std::optional<shell::CommandId> command,
                                 std::string_view caption = {}) {
  return {command ? static_cast<int>(*command) : 0, std::string(caption),
          shell::PanelButtonEnabled(command)};
}

} // namespace

platform::GamesPanelItems GamesPanelItems() {
  platform::GamesPanelItems items;
  items.width = shell::PanelWidth;
  items.height = shell::PanelHeight;
  items.pictureWidth = shell::PictureButtonWidth;
  items.pictureHeight = shell::PictureButtonHeight;
  items.columns = shell::PanelGameColumns;
  items.title = shell::PanelTitle;
  items.programName = shell::PanelProgramName;
  items.description = shell::PanelDescriptionAtStart;
  items.sameGame = Button(shell::SameGameCommand, shell::SameGameCaption);
  items.defaultButton = Button(shell::DefaultPanelCommand);
  for (const shell::PanelGame& game : shell::PanelGames()) {
    platform::PanelGameItem item{
        std::string(game.picture), std::string(game.hint), Button(game.command), {}};
    for (const shell::DifficultyButton& b : game.difficulties)
      item.difficulties.push_back(Button(b.command, b.caption));
    items.games.push_back(std::move(item));
  }
  return items;
}

} // namespace app
