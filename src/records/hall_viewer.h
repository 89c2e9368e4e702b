#pragma once

#include <optional>
#include <string>
#include <vector>

#include "engine/game_state.h"
#include "platform/hall_view.h"
#include "platform/ui.h"
#include "records/hall_of_fame.h"
#include "shell/commands.h"

namespace records {

inline constexpr const char* ResetQuestion =
    "Do you really want to remove the Hall of Fame entries for this layout ?";
inline constexpr const char* ResetCaption = "Please confirm...";

// What the viewer asks of the main window.
class HallHooks {
public:
  virtual ~HallHooks() = default;
  virtual void ShowPanelHOF() = 0;
  // AltGirls changed: it goes to the settings file ("Orchid") at once.
  virtual void WriteAltGirls(bool on) = 0;
};

// How "Launch" starts a table's game, so that the result lands in the table that was launched
// whatever was running before: a layout table loads its layout as the Layout menu does, which
// deals a one-player Solitaire on it; a game table runs its game's start command.
struct LaunchOrder {
  int layoutEntry = 0;                     // the Layout menu entry to load, 0 for a game table
  std::optional<shell::CommandId> command; // the start command of a game table
  friend bool operator==(const LaunchOrder&, const LaunchOrder&) = default;
};
std::optional<LaunchOrder> LaunchOrderFor(int slot);

// The layouts the viewer lists: every known one up to the last slot.
int ListedLayouts(const std::vector<std::string>& layoutNames);
// List item -> table, -1 for none; and back.
int SlotOfItem(int item, const std::vector<std::string>& layoutNames);
int ItemOfSlot(int slot, const std::vector<std::string>& layoutNames);

// The ten rows of a table as the viewer prints them. `highlightRank` is the rank drawn white
// on teal, 0 for none.
platform::HallRows GenerateRows(const HallOfFame& hall, int slot, int highlightRank);

// The modal "Hall of Fame" dialog.
class HallViewer final : public platform::HallViewModel {
public:
  HallViewer(HallState& hall, engine::GameState& game, platform::Ui& ui, HallHooks& hooks);

  std::vector<std::string> Items() const override;
  std::string PlayerName() const override { return hall_.CurrentPlayerName; }
  const platform::HallRows& Rows() const override { return rows_; }
  void LayoutComboBoxChange(int item) override;
  void PlayerNameChange(const std::string& text) override;
  void DeleteHighscoresClick() override;
  bool BitBtn2Click() override;

  // Selects the table's item and fills the rows.
  void GenerateList(int slot);
  // The table "Launch" chose, once the dialog has closed; 0 for none.
  int LaunchSlot() const { return launchSlot_; }
  // A table changed while the dialog was open (a name edit or a reset): the file wants saving.
  bool Changed() const { return changed_; }

private:
  HallState& hall_;
  engine::GameState& game_;
  platform::Ui& ui_;
  HallHooks& hooks_;
  platform::HallRows rows_;
  int launchSlot_ = 0;
  bool changed_ = false;
};

} // namespace records
