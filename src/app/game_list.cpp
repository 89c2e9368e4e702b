#include "app/game_list.h"

#include "editor/editor_game.h"
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

namespace {

// The layout editor and the commands of its own menu bar.
void AddEditor(Games& games, engine::GameState& state, play::Host& host, editor::EditorView& view) {
  using editor::EditorGame;
  auto& design = static_cast<EditorGame&>(games.Add(
      std::make_unique<EditorGame>(state, host, view),
      {{CommandId::CreateLayout, EditorGame::Create}, {CommandId::EditLayout, EditorGame::Edit}}));
  using Kind = EditorGame::SaveKind;
  const std::pair<CommandId, Kind> saves[] = {{CommandId::EditorSave, Kind::Save},
                                              {CommandId::EditorSaveAs, Kind::SaveAs},
                                              {CommandId::EditorTryIt, Kind::TryIt}};
  for (const auto& [command, kind] : saves)
    games.commands.push_back({command, [&design, kind] { design.SaveandexitClick(kind); }});
  games.commands.push_back({CommandId::EditorExit, [&design] { design.Cancel2Click(); }});
  const std::pair<CommandId, editor::Shift> moves[] = {
      {CommandId::MoveToLeft, editor::Shift::Left},
      {CommandId::MoveToRight, editor::Shift::Right},
      {CommandId::MoveToTop, editor::Shift::Up},
      {CommandId::MoveToBottom, editor::Shift::Down}};
  for (const auto& [command, shift] : moves)
    games.commands.push_back({command, [&design, shift] { design.MoveBoard(shift); }});
}

} // namespace

Games MakeGames(engine::GameState& state, play::Host& host, editor::EditorView& editorView) {
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
  AddEditor(games, state, host, editorView);
  return games;
}

} // namespace app
