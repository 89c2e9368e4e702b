#pragma once

#include <string>
#include <vector>

#include "play/game.h"
#include "play/game_list.h"

namespace testing_support {

// What the program does in each game mode, written down once from the rules of the games: the
// commands each enables, how the clock scores it, its hall-of-fame codes and whether it runs on
// the thread timer. Each game's traits are checked against it, and a stand-in game takes it.
play::Traits ExpectedTraits(int mode);

// A game that plays nothing: it has the expected traits of its mode and notes the calls the
// program makes of it ("tick", "count", "no moves", "start 2", ...).
class StandInGame final : public play::Game {
public:
  explicit StandInGame(int mode) : Game(traits_), traits_(ExpectedTraits(mode)) {}
  void Start(int variant) override { calls.push_back("start " + std::to_string(variant)); }
  void Release(play::MouseButton, int, int) override { calls.push_back("release"); }
  void Tick() override { calls.push_back("tick"); }
  void CountMoves() override { calls.push_back("count"); }
  void NoMovesLeft() override { calls.push_back("no moves"); }
  void Step() override { calls.push_back("step"); }
  std::vector<std::string> calls;

private:
  play::Traits traits_;
};

// A stand-in for each of the seven games, in the order of their modes.
const play::GameList& StandInGames();

} // namespace testing_support
