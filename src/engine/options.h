#pragma once

namespace engine {

// Every check mark of the menus, one field each, with the defaults of a fresh installation.
// The menus and the settings file bind to these fields through the command table; the rules
// read them where they need them.
struct Options {
  // Play
  bool Vertical = false;        // "Vertical Variation"
  bool Winnable = false;        // "Winnable Layouts (in at least one way)"
  bool Shuffable = true;        // "Winnable Shuffles (in at least one way)"
  bool Animate = false;         // "Animate Board while building the tiles"
  bool RandomSeed1 = false;     // hidden: the current game is a numbered one
  bool AnimateTiles = true;     // "Animate Tiles in Mahjongg Solitaire"
  bool JokerAllow = true;       // "Enable jokers on Slider game"
  bool TileRivers = true;       // "Animate Tile Rivers in Mahjongg Rivers"
  bool AnimateClicks = false;   // "Animate Falling Tiles in Mahjongg Clicks"
  bool AnimateSlider = true;    // "Animate Sliding Tiles in Mahjongg Slider"
  bool AnimateNext = false;     // "Animate New Tiles in Mahjongg Slider"
  bool AnimateChain = true;     // "Animate Chain Reactions fully in Hashira"
  bool ShowNext = true;         // "Show Next Tiles"
  bool HighlightSlider = false; // "Highlight Slider"
  bool EnableHall = true;       // "Enable time tracking for the Hall of fame"
  bool StartDirectly = false;   // "Begin game directly at startup"

  // Look
  int HighlightMode = 3;      // 0 None, 1 Red, 2 Colored Tile, 3 Green, 4 Blue Rectangle
  bool Invert = false;        // "&Invert selection"
  bool Shadows = true;        // "Enable 3D shadows on tilesets"
  bool ShowRomanized = false; // "Show Romanized Tilesets"
  bool Gradient = true;       // "Gradient effect on Solid backgrounds"
  bool OnlyPossible = false;  // "Only Possible Moves"
  bool ShowTile = false;      // "Show Current Tile"
  bool CoolMouse = true;      // "Cool Mouse"
  bool AnimateCursor = true;  // "Animate Cool Cursor when clicking"
  bool CoolStatus = true;     // "Cool Status"
  bool CoolMenu = true;       // "Cool Menu"
  bool CoolToolbar = true;    // "Cool Toolbar"
  bool FlatButtons = true;    // "Cool Buttons"
  bool AnimatePause = false;  // "Animate Pause and Start screens"
  bool ShowMoves = true;      // "Show &Moves Left"
  bool ShowTime = true;       // "&Show Time Left"
  bool ShowToolbar = true;    // "Show &Toolbar"
  bool ShowStatusBar = true;  // "Show Status Bar"
  bool ShowHallOfFame = true; // "Show Hall of &Fame"
  bool ShowGirls = true;      // "Show Manga Girls"
  bool ShowFave = false;      // "View Favorites Only"
  bool SetRes800 = false;     // "Switch to 800x600 / High-Color at startup"

  // Pause
  bool WelcomePause = false; // "Show Games Panel during Pause"
  bool GoCheckPause = true;  // "Pause game when losing focus"

  // Sound
  bool PlayMusic = true;    // "Play music"
  bool PlaySounds = true;   // "Play sound effects"
  bool StartMusic = true;   // "Run music automatically at startup"
  bool RandomMusic = false; // "Random Music"
  bool EnableMOD = false;   // "Enable MOD digital music player"

  int SpeedFall = 3;  // Hashira: 1 normally, 2 quickly, 3 very quickly
  int StartLevel = 1; // Hashira: the level a new game starts at, 1..10 ("Start Level")

  bool operator==(const Options&) const = default;
};

} // namespace engine
