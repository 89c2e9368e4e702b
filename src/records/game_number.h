#pragma once

#include <string>

#include "engine/random.h"

namespace records {

// The longest text the game number box takes: nine digits reach 999,999,999.
constexpr int GameNumberMaxLength = 9;

// The rules of the game number dialog: the box's text, the two draws and "OK". It writes the
// board's GameNumber and draws from the program's one generator.
class GameNumberModel {
public:
  GameNumberModel(int& gameNumber, engine::Generator& rng);

  // What the box shows when the dialog opens or after a draw.
  const std::string& Text() const { return text_; }

  // Every edit of the box: a decimal integer becomes the game number at once; anything else
  // keeps the previous number and is reported only on "OK", so that a half-typed entry does
  // not raise a message box at every keystroke.
  void RandomSeedChange(const std::string& text);
  // "New random game seed": 1..999999999.
  void BitBtn2Click();
  // "New seed (limit to 0-9999)": 1..9999, never 0 whatever the caption says.
  void BitBtn3Click();
  // "OK" with the box's text: the message to show before the dialog closes, or empty when
  // the text was a number. The game number keeps its previous value on a bad text.
  std::string BitBtn1Click(const std::string& text);

private:
  void Draw(int range);

  int& gameNumber_;
  engine::Generator& rng_;
  std::string text_;
};

} // namespace records
