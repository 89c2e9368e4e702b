#pragma once

#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

#include "editor/editor_view.h"
#include "engine/game_state.h"
#include "play/game_list.h"
#include "play/host.h"
#include "shell/commands.h"

namespace app {

// A command of the menus that starts a game, with the variant it asks for.
struct GameStart {
  shell::CommandId command;
  play::Game* game;
  int variant;
};

// A command of the menus that only one game answers (an option that restarts it, say).
struct GameCommand {
  shell::CommandId command;
  std::function<void()> run;
};

// The games the program plays and how the menus reach them.
struct Games {
  // Takes the game into the list, with the commands that start it and their variants.
  play::Game& Add(std::unique_ptr<play::Game> game,
                  std::initializer_list<std::pair<shell::CommandId, int>> startedBy);

  std::vector<std::unique_ptr<play::Game>> owned;
  play::GameList list;
  std::vector<GameStart> starts;
  std::vector<GameCommand> commands;
  // The game played on the layouts, and its variant that deals the layout just loaded.
  play::Game* layoutGame = nullptr;
  int layoutVariant = 0;
};

// Every game of the program, and the layout editor: the one place that names them. Adding a game
// is one row here.
Games MakeGames(engine::GameState& state, play::Host& host, editor::EditorView& editorView);

} // namespace app
