#pragma once

#include <cstdint>
#include <string>

#include "engine/free_rule.h"
#include "engine/game_services.h"
#include "engine/game_state.h"

namespace tool {

// Answers the rules' calls without a window: nothing is drawn or heard, no question is asked
// (every dialog is cancelled), and the clock stands still, so only numbered deals vary.
class QuietServices final : public engine::GameServices, platform::Ui, platform::Clock {
public:
  explicit QuietServices(engine::GameState& state) : state_(state) {}
  platform::Ui& ui() override { return *this; }
  platform::Clock& clock() override { return *this; }
  void IM(int mode) override { state_.board.GameMode = static_cast<std::uint8_t>(mode); }
  void FullRedraw() override {}
  void RedrawTile(int) override {}
  void HLRedrawTile(int) override {}
  void ShowEmptyBoard() override {}
  void Repaint() override {}
  void ProcessMessages() override {}
  void RefreshHighlightColour() override {}
  void ShowPanelHOF() override {}
  void ResetPauseCaptions() override {}
  void PlayWave(engine::Sound) override {}
  void GameOver() override {}
  void Stop() override {}
  void CountMoves() override { engine::IsItFree(state_); }
  void AskGameNumber() override {}
  void LayoutAdded(int) override {}
  void ShowMessage(const std::string&) override {}
  bool AskOkCancel(const std::string&, const std::string&) override { return false; }
  std::string AskSaveFileName(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  std::string AskOpenFileName(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  std::optional<std::uint32_t> AskColour(std::uint32_t) override { return std::nullopt; }
  std::uint32_t TickCount() override { return 0; }
  platform::TimeOfDay NowUtc() override { return {}; }

private:
  engine::GameState& state_;
};

} // namespace tool
