#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The vocabulary of our note notation: pitches, lengths, chord symbols, drum names, dynamics.
namespace assetgen::tune {

// "C", "F#", "Bb" as 0..11, taken from the front of `s`.
std::optional<int> TakePitchClass(std::string_view& s);

// "E4", "F#5" as a MIDI key; C4, middle C, is 60.
std::optional<int> ParsePitch(std::string_view s);
std::string NoteName(int key);

// "q", "e.", "e3", "h_e" in ticks of midi::Division per quarter.
std::optional<std::uint32_t> ParseLength(std::string_view s);

std::optional<int> DrumKey(std::string_view name);     // General MIDI percussion key
std::optional<int> Loudness(std::string_view marking); // "pp".."ff" as a velocity

// A chord quality's tones in semitones above the root; -1 where the chord has no such tone.
struct ChordShape {
  int third, fifth, seventh, sixth, ninth;
};
std::optional<ChordShape> FindChordShape(std::string_view quality); // "", "m7", "sus4"...

// Semitones above the root of chord degree 1, 3, 5, 7, 8, 10...; a missing seventh or ninth
// becomes the octave, a missing sixth the fifth.
int DegreeOffset(const ChordShape& chord, int degree);

// Root, third, fifth and any sixth, seventh and ninth, upwards from the root.
std::vector<int> CloseVoicing(const ChordShape& chord);

// One step of an accompaniment pattern: chord degrees struck together, the whole chord, or a rest.
struct Step {
  std::vector<int> degrees; // empty with `whole` false: a rest
  bool whole = false;
  std::uint32_t length = 0;
};

struct Pattern {
  bool hold = false; // every step rings until the chord ends
  std::vector<Step> steps;
};

// "1", "5+10:e", "*:h", "-" as a step; `length` is used when the word gives none, and is
// updated when it does.
std::optional<Step> ParseStep(std::string_view word, std::uint32_t& length);

} // namespace assetgen::tune
