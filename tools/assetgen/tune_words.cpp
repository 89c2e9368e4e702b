#include "tune_words.h"

#include <algorithm>
#include <functional>
#include <map>

#include "midi_file.h"

namespace assetgen::tune {

namespace {

template <typename Value>
std::optional<Value> Find(const std::map<std::string, Value, std::less<>>& table,
                          std::string_view name) {
  auto found = table.find(name);
  return found == table.end() ? std::nullopt : std::optional<Value>(found->second);
}

const std::map<std::string, ChordShape, std::less<>> ChordShapes = {
    {"", {4, 7, -1, -1, -1}},      {"m", {3, 7, -1, -1, -1}},    {"7", {4, 7, 10, -1, -1}},
    {"maj7", {4, 7, 11, -1, -1}},  {"m7", {3, 7, 10, -1, -1}},   {"m7b5", {3, 6, 10, -1, -1}},
    {"6", {4, 7, -1, 9, -1}},      {"m6", {3, 7, -1, 9, -1}},    {"9", {4, 7, 10, -1, 14}},
    {"maj9", {4, 7, 11, -1, 14}},  {"m9", {3, 7, 10, -1, 14}},   {"add9", {4, 7, -1, -1, 14}},
    {"madd9", {3, 7, -1, -1, 14}}, {"sus2", {2, 7, -1, -1, -1}}, {"sus4", {5, 7, -1, -1, -1}},
    {"7sus4", {5, 7, 10, -1, -1}}, {"dim", {3, 6, -1, -1, -1}},  {"aug", {4, 8, -1, -1, -1}},
};

// General MIDI percussion keys, under names that read well in a drum line.
const std::map<std::string, int, std::less<>> DrumKeys = {
    {"kick", 36},       {"stick", 37},         {"snare", 38},    {"clap", 39},    {"hat", 42},
    {"pedalhat", 44},   {"openhat", 46},       {"crash", 49},    {"ride", 51},    {"bell", 53},
    {"tambourine", 54}, {"cowbell", 56},       {"bongohi", 60},  {"bongolo", 61}, {"congahi", 63},
    {"congalo", 64},    {"cabasa", 69},        {"maracas", 70},  {"claves", 75},  {"blockhi", 76},
    {"blocklo", 77},    {"triangleshort", 80}, {"triangle", 81},
};

const std::map<std::string, int, std::less<>> Loudnesses = {{"pp", 40}, {"p", 54}, {"mp", 66},
                                                            {"mf", 80}, {"f", 94}, {"ff", 108}};

// Note values in ticks, and how a suffix changes them.
const std::map<char, std::uint32_t> NoteValues = {{'w', 4 * midi::Division},
                                                  {'h', 2 * midi::Division},
                                                  {'q', midi::Division},
                                                  {'e', midi::Division / 2},
                                                  {'s', midi::Division / 4}};
struct Ratio {
  std::uint32_t times, over;
};
const std::map<char, Ratio> Suffixes = {{'.', {3, 2}}, {'3', {2, 3}}};

} // namespace

std::optional<int> TakePitchClass(std::string_view& s) {
  static const int Letters[] = {9, 11, 0, 2, 4, 5, 7}; // A..G
  if (s.empty() || s[0] < 'A' || s[0] > 'G') return std::nullopt;
  int pc = Letters[s[0] - 'A'];
  s.remove_prefix(1);
  if (!s.empty() && (s[0] == '#' || s[0] == 'b')) {
    pc += s[0] == '#' ? 1 : -1;
    s.remove_prefix(1);
  }
  return (pc + 12) % 12;
}

std::optional<int> ParsePitch(std::string_view s) {
  auto pc = TakePitchClass(s);
  if (!pc || s.size() != 1 || s[0] < '0' || s[0] > '9') return std::nullopt;
  return 12 * (s[0] - '0' + 1) + *pc;
}

std::string NoteName(int key) {
  static const char* const Names[] = {"C",  "C#", "D",  "Eb", "E",  "F",
                                      "F#", "G",  "G#", "A",  "Bb", "B"};
  return Names[key % 12] + std::to_string(key / 12 - 1);
}

std::optional<std::uint32_t> ParseLength(std::string_view s) {
  std::uint32_t total = 0;
  for (std::size_t from = 0; from <= s.size();) {
    const std::size_t to = std::min(s.find('_', from), s.size());
    const std::string_view part = s.substr(from, to - from);
    auto value = part.empty() ? NoteValues.end() : NoteValues.find(part[0]);
    auto suffix = part.size() == 2 ? Suffixes.find(part[1]) : Suffixes.end();
    if (value == NoteValues.end() || part.size() > 2 ||
        (part.size() == 2 && suffix == Suffixes.end()))
      return std::nullopt;
    const Ratio r = suffix == Suffixes.end() ? Ratio{1, 1} : suffix->second;
    total += value->second * r.times / r.over;
    from = to + 1;
  }
  return total;
}

std::optional<int> DrumKey(std::string_view name) {
  return Find(DrumKeys, name);
}
std::optional<int> Loudness(std::string_view marking) {
  return Find(Loudnesses, marking);
}
std::optional<ChordShape> FindChordShape(std::string_view q) {
  return Find(ChordShapes, q);
}

int DegreeOffset(const ChordShape& c, int degree) {
  const int steps[7] = {0,
                        c.ninth >= 0 ? c.ninth - 12 : 0,
                        c.third,
                        5,
                        c.fifth,
                        c.sixth >= 0 ? c.sixth : c.fifth,
                        c.seventh >= 0 ? c.seventh : 12};
  return 12 * ((degree - 1) / 7) + steps[(degree - 1) % 7];
}

std::vector<int> CloseVoicing(const ChordShape& c) {
  std::vector<int> tones = {0, c.third, c.fifth};
  for (int extra : {c.sixth, c.seventh, c.ninth})
    if (extra >= 0) tones.push_back(extra);
  return tones;
}

std::optional<Step> ParseStep(std::string_view word, std::uint32_t& length) {
  const std::size_t colon = word.find(':');
  if (colon != std::string_view::npos) {
    auto l = ParseLength(word.substr(colon + 1));
    if (!l) return std::nullopt;
    length = *l;
  }
  const std::string_view body = word.substr(0, colon);
  Step step{{}, body == "*", length};
  for (std::size_t from = 0; body != "-" && !step.whole && from <= body.size();) {
    const std::size_t to = std::min(body.find('+', from), body.size());
    const std::string_view degree = body.substr(from, to - from);
    const bool digits =
        !degree.empty() && degree.size() <= 2 &&
        std::all_of(degree.begin(), degree.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!digits || std::stoi(std::string(degree)) < 1) return std::nullopt;
    step.degrees.push_back(std::stoi(std::string(degree)));
    from = to + 1;
  }
  return step;
}

} // namespace assetgen::tune
