#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "engine/deal.h"
#include "engine/game_services.h"
#include "engine/game_state.h"

namespace testing_support {

// Scripted answers to questions and dialogs; every message shown is kept for checking.
class ScriptedUi final : public platform::Ui {
public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskOkCancel(const std::string& caption, const std::string& text) override;
  std::string AskSaveFileName(const std::string& title, const std::string& filter,
                              const std::string& initialFolder) override;
  std::string AskOpenFileName(const std::string& title, const std::string& filter,
                              const std::string& initialFolder) override;
  std::optional<std::uint32_t> AskColour(std::uint32_t initial) override;

  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::deque<bool> okAnswers;            // an empty queue answers Cancel
  std::deque<std::string> saveFileNames; // an empty queue cancels the dialog
  std::deque<std::string> openFileNames; // an empty queue cancels the dialog
  std::deque<std::uint32_t> colours;     // an empty queue cancels the dialog
  std::vector<std::uint32_t> colourDialogStarts;
};

// A clock that moves only when told to.
class ManualClock final : public platform::Clock {
public:
  std::uint32_t TickCount() override { return tick; }
  platform::TimeOfDay NowUtc() override { return timeOfDay; }
  std::uint32_t tick = 1000;
  platform::TimeOfDay timeOfDay{12, 34, 56, 789};
};

// Records what the rules asked of the layers above them.
class RecordingServices final : public engine::GameServices {
public:
  explicit RecordingServices(engine::GameState& state) : state_(state) {}
  platform::Ui& ui() override { return ui_; }
  platform::Clock& clock() override { return clock_; }
  void IM(int mode) override;
  void FullRedraw() override { ++fullRedraws; }
  void RedrawTile(int tile) override { redrawnTiles.push_back(tile); }
  void HLRedrawTile(int tile) override { highlightRedraws.push_back(tile); }
  void ShowEmptyBoard() override { ++emptyBoards; }
  void Repaint() override { ++repaints; }
  void ProcessMessages() override {}
  void RefreshHighlightColour() override {}
  void ShowPanelHOF() override {}
  void ResetPauseCaptions() override {}
  void PlayWave(engine::Sound sound) override { sounds.push_back(sound); }
  void GameOver() override { ++gameOvers; }
  void Stop() override;
  void CountMoves() override;
  void AskGameNumber() override;
  void LayoutAdded(int index) override { addedLayouts.push_back(index); }

  ScriptedUi& scriptedUi() { return ui_; }
  ManualClock& manualClock() { return clock_; }

  int fullRedraws = 0, emptyBoards = 0, repaints = 0, gameOvers = 0, stops = 0;
  std::vector<int> redrawnTiles, highlightRedraws;
  std::vector<engine::Sound> sounds;
  std::vector<int> modes; // every mode switched to, in order
  std::vector<int> addedLayouts;
  std::deque<int> gameNumbers; // answers of the game number dialog

private:
  engine::GameState& state_;
  ScriptedUi ui_;
  ManualClock clock_;
};

// A folder of its own for a test, removed afterwards.
class TempFolder {
public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;
  const std::filesystem::path& path() const { return path_; }
  std::string Write(const std::string& name, const std::string& bytes) const;

private:
  std::filesystem::path path_;
};

std::string ReadText(const std::filesystem::path& path);

// The bytes of a 24-bit Windows bitmap of one colour (0xRRGGBB).
std::string SolidBmp(int width, int height, std::uint32_t rgb);

// The layouts the build made from the drawings in assets/, and the small ones for tests.
std::string BuiltLayout(const std::string& name);
std::string TestLayout(const std::string& fileName);

// Checks the board invariants every completed move keeps: positions and grid agree both ways,
// TilesLeft counts the tiles on the board, and every group has an even number of them.
::testing::AssertionResult BoardIsConsistent(const engine::Board& board);

// Removes the pairs of a winnable deal in the order its simulation took them off; each pair
// must match and be free under the normal rule, and the board must end empty.
::testing::AssertionResult PlaysOut(engine::Board& board, const engine::WinnableDeal& deal);

} // namespace testing_support
