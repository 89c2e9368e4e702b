#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen::midi {

// Ticks per quarter note in every file we write: divisible by 3 and by 16, so triplets and
// sixteenths land on whole ticks.
constexpr std::uint32_t Division = 480;

struct Note {
  std::uint32_t start = 0, length = 0;
  std::uint8_t key = 60, velocity = 80;
};

// A program change (status 0xC0, `data2` unused) or a controller (status 0xB0) at a tick.
struct Control {
  std::uint32_t tick = 0;
  std::uint8_t status = 0xB0, data1 = 0, data2 = 0;
};

struct Track {
  std::string name;
  int channel = 0; // 0..15; 9 is General MIDI percussion
  std::vector<Control> controls;
  std::vector<Note> notes;
};

struct Tempo {
  std::uint32_t tick = 0;
  double quartersPerMinute = 120;
};

struct Song {
  std::string title;
  int beatsPerBar = 4, beatUnit = 4;
  std::vector<Tempo> tempos;
  std::vector<Track> tracks;
  std::uint32_t length = 0; // ticks; every track ends here
};

// A format 1 Standard MIDI File: a conductor track (title, metre, tempi) then one track per
// instrument. Overlapping notes of one key on one channel are shortened so that each note-off
// ends the note it belongs to.
std::string WriteSmf(const Song& song);

} // namespace assetgen::midi
