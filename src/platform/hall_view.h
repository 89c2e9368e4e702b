#pragma once

#include <array>
#include <string>
#include <vector>

namespace platform {

// One rank of the hall-of-fame viewer, as its cells are printed.
struct HallRow {
  std::string name;
  std::string main;
  int mainLeft = 157; // the main cell's left edge in pixels, moved so that numbers align right
  std::string second;
  std::string date;
  bool highlighted = false; // the entry just made: white on teal
};

struct HallRows {
  int selectedItem = -1; // in Items(); -1 for none
  std::string mainHeader, secondHeader;
  std::array<HallRow, 10> rows;
};

// The hall-of-fame dialog as its window sees it: what to show and what each control does. The
// rules live behind it, so the window only forwards edits and clicks.
class HallViewModel {
public:
  virtual ~HallViewModel() = default;
  virtual std::vector<std::string> Items() const = 0;
  virtual std::string PlayerName() const = 0;
  virtual const HallRows& Rows() const = 0;
  // A table chosen in the list (-1 for none).
  virtual void LayoutComboBoxChange(int item) = 0;
  // Every edit of the "Player Name" box.
  virtual void PlayerNameChange(const std::string& text) = 0;
  // "Reset Scores": asks first, through the window's message boxes.
  virtual void DeleteHighscoresClick() = 0;
  // "Launch": true when a game is to start, and the dialog then closes.
  virtual bool BitBtn2Click() = 0;
};

} // namespace platform
