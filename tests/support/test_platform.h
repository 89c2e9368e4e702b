#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/deal.h"
#include "engine/game_state.h"
#include "platform/desktop.h"
#include "play/game.h"
#include "play/host.h"

namespace testing_support {

// Scripted answers to questions and dialogs; every message shown is kept for checking.
class ScriptedUi final : public platform::Ui {
public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskOkCancel(const std::string& caption, const std::string& text) override;
  bool AskYesNo(const std::string& caption, const std::string& text) override;
  std::string AskSaveFileName(const std::string& title, const std::string& filter,
                              const std::string& initialFolder) override;
  std::string AskOpenFileName(const std::string& title, const std::string& filter,
                              const std::string& initialFolder) override;
  std::optional<std::uint32_t> AskColour(std::uint32_t initial) override;

  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::deque<bool> okAnswers;  // an empty queue answers Cancel
  std::deque<bool> yesAnswers; // an empty queue answers No
  // Runs while a Yes/No question is open, as the clock's ticks would meanwhile.
  std::function<void()> whileAsking; // runs while any question or dialog is open
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

// Built-in files from the folder the build made them in, text that leaves no pixel, and a fixed
// calendar.
class TestDesktop final : public platform::Desktop, public platform::TextPainter {
public:
  std::string ReadBuiltin(const std::string& name) override;
  platform::TextPainter& Painter() override { return *this; }
  platform::Clock& Time() override { return clock; }
  platform::LocalDate TodayLocal() override { return today; }
  std::string ShortDatePattern() override { return "dd/MM/yy"; }
  void DrawText(platform::Bitmap&, int, int, std::string_view text, const platform::Font&,
                std::uint32_t) override {
    texts.emplace_back(text);
  }
  int TextWidth(std::string_view text, const platform::Font&) override {
    return 6 * static_cast<int>(text.size());
  }
  platform::LocalDate today{2026, 12, 8};
  std::vector<std::string> texts; // everything lettered, in order
  ManualClock clock;
};

// Records what the rules asked of the layers above them. The moves are counted by the rule of
// `game` when one is set, else by the free-tile rule.
class RecordingServices final : public play::Host {
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
  void CountMoves() override;
  void BeginGame() override;
  void LayoutAdded(int index) override { addedLayouts.push_back(index); }
  void RefreshHighlightColour() override {}
  void ShowPanelHOF() override { ++panels; }
  void ResetPauseCaptions() override {}
  void PlayWave(play::Sound sound) override { sounds.push_back(sound); }
  void Stop() override;
  void AskGameNumber() override;
  void ShowCursor(render::CursorShape shape) override { cursors.push_back(shape); }
  platform::Desktop& desktop() override { return desktop_; }
  void ShowBoardRect(platform::Rect area) override { shownRects.push_back(area); }
  play::PanelCanvas SidePanel() override { return {panel, cleanPanel, desktop_}; }
  void ShowSidePanel() override { ++sidePanelShows; }

  ScriptedUi& scriptedUi() { return ui_; }
  ManualClock& manualClock() { return clock_; }
  TestDesktop& testDesktop() { return desktop_; }

  play::Game* game = nullptr;
  std::vector<render::CursorShape> cursors;
  platform::Bitmap panel{92, 472}, cleanPanel{92, 472};
  int fullRedraws = 0, emptyBoards = 0, repaints = 0, stops = 0, panels = 0, sidePanelShows = 0;
  std::vector<int> redrawnTiles, highlightRedraws;
  std::vector<platform::Rect> shownRects;
  std::vector<play::Sound> sounds;
  std::vector<int> modes; // every mode switched to, in order
  std::vector<int> addedLayouts;
  std::deque<int> gameNumbers; // answers of the game number dialog

private:
  engine::GameState& state_;
  ScriptedUi ui_;
  ManualClock clock_;
  TestDesktop desktop_;
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

// A program folder of a real installation: the data folders the build made, copied into a
// folder of the test's own (all four unless some are named).
class ProgramFolder {
public:
  explicit ProgramFolder(std::initializer_list<const char*> folders = {"Layouts", "Tilesets",
                                                                       "Backgrounds", "Musics"});
  std::string Path() const { return temp_.path().string() + "/"; }
  const TempFolder& Folder() const { return temp_; }

private:
  TempFolder temp_;
};

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
