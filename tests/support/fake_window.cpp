#include "support/fake_window.h"

namespace testing_support {

void FakeWindow::Present() {
  ++presents;
  if (duringFrame) duringFrame();
}

void FakeWindow::SetMenus(const std::vector<platform::MenuItem>& menuItems,
                          const std::vector<platform::ToolItem>& toolItems) {
  for (const platform::MenuItem& item : menuItems) items[item.id] = item;
  tools = toolItems;
}

void FakeWindow::AddMenuItems(const std::vector<platform::MenuItem>& menuItems) {
  for (const platform::MenuItem& item : menuItems) items[item.id] = item;
}

void FakeWindow::SetCaptions(int id, const std::string& menuCaption,
                             const std::string& buttonCaption) {
  items[id].caption = menuCaption;
  buttonCaptions[id] = buttonCaption;
}

void FakeWindow::ShowResult(const platform::ResultWindow& result) {
  results.push_back(result);
  if (duringDialog) duringDialog();
}

void FakeWindow::ShowHallWindow(platform::HallViewModel&) {
  ++hallWindows;
  if (duringDialog) duringDialog();
}

void FakeWindow::ShowHelpWindow(const platform::HelpViewModel& model) {
  helpPages.push_back(model.ActivePage());
  help = &model;
  if (duringDialog) duringDialog();
}

void FakeWindow::ShowAbout(const platform::AboutBox& box) {
  aboutBoxes.push_back(box);
  if (duringDialog) duringDialog();
}

void FakeWindow::ShowLayoutChooser(platform::LayoutChooserModel& model) {
  ++chooserOpenings;
  if (chooserScript) chooserScript(model);
  if (duringDialog) duringDialog();
}

void FakeWindow::ShowInfoStrip(const std::vector<platform::InfoField>& fields) {
  infoStrip = fields;
  infoValues.clear();
}

std::string FakeWindow::InfoText(int field) const {
  const auto it = infoValues.find(field);
  return it == infoValues.end() ? std::string() : it->second;
}

void FakeWindow::Close() {
  if (closed || !events_.MayClose()) return;
  closed = true;
  clockRunning = threadTimerRunning = false;
  events_.OnClosing();
}

void FakeWindow::AskGameNumber(const platform::GameNumberDialog& dialog) {
  if (duringDialog) duringDialog();
  if (gameNumbers.empty()) return;
  const std::string text = gameNumbers.front();
  gameNumbers.pop_front();
  dialog.edited(text);
  dialog.accepted(text);
}

int FakeWindow::PopUpMenu(int command, const std::vector<std::string>& entries, int checked) {
  poppedMenus.push_back({command, entries, checked});
  if (duringDialog) duringDialog();
  if (menuChoices.empty()) return 0;
  const int chosen = menuChoices.front();
  menuChoices.pop_front();
  return chosen;
}

bool FakeWindow::Enabled(int id) const {
  const auto it = items.find(id);
  return it != items.end() && it->second.enabled;
}

} // namespace testing_support
