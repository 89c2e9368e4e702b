#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace platform {

// Everything the rules ask of the player goes through here, so the whole program can be
// driven by scripted answers in tests and by real dialogs in the window.
class Ui {
public:
  virtual ~Ui() = default;

  // An information box with an OK button, captioned with the application title.
  virtual void ShowMessage(const std::string& text) = 0;

  // A question with OK and Cancel; true when the player chose OK.
  virtual bool AskOkCancel(const std::string& caption, const std::string& text) = 0;

  // A question with Yes and No; true when the player chose Yes.
  virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;

  // A save-file dialog; the chosen path, or an empty string when the player cancelled.
  // `filter` pairs a description with a pattern: "LAY Layout files (*.lay)|*.lay".
  virtual std::string AskSaveFileName(const std::string& title, const std::string& filter,
                                      const std::string& initialFolder) = 0;

  // An open-file dialog for an existing file; the path, or an empty string when cancelled.
  virtual std::string AskOpenFileName(const std::string& title, const std::string& filter,
                                      const std::string& initialFolder) = 0;

  // A colour-choice dialog starting on `initial` (0xRRGGBB); nothing when cancelled.
  virtual std::optional<std::uint32_t> AskColour(std::uint32_t initial) = 0;
};

} // namespace platform
