#pragma once

#include <cstdint>
#include <string>

#include "engine/free_rule.h"
#include "engine/game_state.h"
#include "games/solitaire/solitaire_start.h"
#include "platform/desktop.h"
#include "play/game.h"
#include "play/host.h"

namespace tool {

// Answers the rules' calls without a window: nothing is drawn or heard, no question is asked
// (every dialog is cancelled), and the clock stands still, so only numbered deals vary. The
// moves are counted by the rule of `game` when one is set, else by the free-tile rule.
class QuietServices final : public play::Host,
                            platform::Ui,
                            platform::Clock,
                            platform::Desktop,
                            platform::TextPainter {
public:
  explicit QuietServices(engine::GameState& state) : state_(state) {}
  play::Game* game = nullptr;

  platform::Ui& ui() override { return *this; }
  platform::Clock& clock() override { return *this; }
  void IM(int mode) override { state_.board.GameMode = static_cast<std::uint8_t>(mode); }
  void FullRedraw() override {}
  void RedrawTile(int) override {}
  void HLRedrawTile(int) override {}
  void ShowEmptyBoard() override {}
  void Repaint() override {}
  void CountMoves() override {
    if (game)
      game->CountMoves();
    else
      engine::IsItFree(state_);
  }
  void BeginGame() override { solitaire::BeginGame(state_, *this); }
  void LayoutAdded(int) override {}
  void PlayWave(play::Sound) override {}
  void RefreshHighlightColour() override {}
  void ShowPanelHOF() override {}
  void ResetPauseCaptions() override {}
  void Stop() override {}
  void AskGameNumber() override {}
  void FlashRefusal(int) override {}
  void ShowCursor(render::CursorShape) override {}
  platform::Desktop& desktop() override { return *this; }
  void ShowBoardRect(platform::Rect) override {}
  play::PanelCanvas SidePanel() override { return {panel_, panel_, *this}; }
  void ShowSidePanel() override {}

  void ShowMessage(const std::string&) override {}
  bool AskOkCancel(const std::string&, const std::string&) override { return false; }
  bool AskYesNo(const std::string&, const std::string&) override { return false; }
  std::string AskSaveFileName(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  std::string AskOpenFileName(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  std::optional<std::uint32_t> AskColour(std::uint32_t) override { return std::nullopt; }
  std::uint32_t TickCount() override { return 0; }
  platform::TimeOfDay NowUtc() override { return {}; }
  std::string ReadBuiltin(const std::string&) override { return {}; }
  platform::TextPainter& Painter() override { return *this; }
  platform::Clock& Time() override { return *this; }
  platform::LocalDate TodayLocal() override { return {}; }
  std::string ShortDatePattern() override { return {}; }
  void DrawText(platform::Bitmap&, int, int, std::string_view, const platform::Font&,
                std::uint32_t) override {}
  int TextWidth(std::string_view, const platform::Font&) override { return 0; }

private:
  engine::GameState& state_;
  platform::Bitmap panel_;
};

} // namespace tool
