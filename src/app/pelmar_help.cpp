// The help window with its tile legend, and the about window.
#include "app/pelmar.h"
#include "records/about_box.h"

void TPelmar::LoadHelpFiles() {
  help_.LoadDocuments(state_.layouts.Folders.shipped);
  help_.SetBackground(platform::BuiltinPicture(desktop_, "nuages.jpg"));
}

void TPelmar::CallHelp(records::HelpPageId page) {
  WithPause([&] {
    // The legend is drawn at every opening, so it shows the tileset in use.
    help_.CallHelp(page);
    window_->ShowHelpWindow(help_);
  });
  ShowPanelHOF();
}

void TPelmar::HelpClick() {
  CallHelp(records::HelpPageId::Help);
}

void TPelmar::WhatsNew1Click() {
  CallHelp(records::HelpPageId::Whatsnew);
}

void TPelmar::French1Click() {
  CallHelp(records::HelpPageId::French);
}

void TPelmar::ViewTiles1Click() {
  CallHelp(records::HelpPageId::SeeTiles);
}

void TPelmar::About() {
  WithPause([this] { window_->ShowAbout(records::MakeAboutBox(settings_.LaunchCount, ui())); });
}
