#include "app/game_list.h"

#include "games/clicks/clicks_game.h"
#include "games/hashira/hashira_game.h"
#include "games/memory/memory_game.h"
#include "games/rivers/rivers_game.h"
#include "games/slider/slider_game.h"
#include "games/solitaire/solitaire_game.h"
#include "games/solitaire/solitaire_start.h"
#include "play/game_codes.h"

namespace app {

using shell::CommandId;

play::Game& Games::Add(std::unique_ptr<play::Game> game,
                       std::initializer_list<std::pair<CommandId, int>> startedBy) {
  play::Game& added = *game;
  owned.push_back(std::move(game));
  list.Add(added);
  for (const auto& [command, variant] : startedBy) starts.push_back({command, &added, variant});
  return added;
}

Games MakeGames(engine::GameState& state, play::Host& host) {
  using solitaire::SolitaireGame;
  Games games;
  games.layoutGame = &games.Add(std::make_unique<SolitaireGame>(state, host),
                                {{CommandId::RandomSolitaire, SolitaireGame::Random},
                                 {CommandId::SpecificSolitaire, SolitaireGame::Specific}});
  games.layoutVariant = SolitaireGame::OnLayout;
  games.commands.push_back(
      {CommandId::Vertical, [&state, &host] { solitaire::VerticalClick(state, host); }});
  games.Add(std::make_unique<solitaire::TwoPlayerGame>(state, host),
            {{CommandId::TwoPlayerSolitaire, play::KeepVariant}});
  games.Add(std::make_unique<rivers::RiversGame>(state, host),
            {{CommandId::RiversEasy, rivers::Easy}, {CommandId::RiversHard, rivers::Hard}});
  games.Add(std::make_unique<memory::MemoryGame>(state, host),
            {{CommandId::MemoryEasy, memory::Easy}, {CommandId::MemoryHard, memory::Hard}});
  games.Add(std::make_unique<clicks::ClicksGame>(state, host),
            {{CommandId::ClicksEasy, play::game_code::ClicksEasy},
             {CommandId::ClicksNormal, play::game_code::ClicksNormal},
             {CommandId::ClicksHard, play::game_code::ClicksHard}});
  games.Add(std::make_unique<slider::SliderGame>(state, host),
            {{CommandId::Slider, play::KeepVariant}});
  games.Add(std::make_unique<hashira::HashiraGame>(state, host),
            {{CommandId::Hashira, hashira::HashiraGame::Named}});
  return games;
}

} // namespace app
