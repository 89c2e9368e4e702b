#include "shell/command_enabling.h"

namespace shell {

bool CommandEnabled(play::PlayCommand command, int mode, const play::Traits* game) {
  if (game) return game->commands.Has(command);
  return mode == engine::ModePaused && command == play::PlayCommand::Pause;
}

} // namespace shell
