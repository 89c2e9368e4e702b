#pragma once

namespace play {

// The hall-of-fame keys of the games other than Solitaire, kept in LayoutIndex while one is
// played (every code is at least engine::FirstGameCode).
namespace game_code {
constexpr int RiversEasy = 1000;
constexpr int RiversHard = 1001;
constexpr int MemoryEasy = 1010;
constexpr int MemoryHard = 1011;
constexpr int ClicksEasy = 1020;
constexpr int ClicksHard = 1021; // hard came before normal, and the keys in saved files stay
constexpr int ClicksNormal = 1022;
constexpr int Slider = 1030;
constexpr int Hashira = 1040;
} // namespace game_code

} // namespace play
