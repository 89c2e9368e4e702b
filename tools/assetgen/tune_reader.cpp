// Our note notation. Each assets/music/NAME.tune becomes Musics/NAME.mid at the next build, and
// NAME is its caption in the music menu; music.cpp then adds the player's touch (beat accents,
// a little swell on high notes, slight variation) to the velocities written here.
//
// A line holds one directive, or any number of events separated by blanks; directives and
// `play` stand at the start of their own line. A word starting with `#` starts a comment.
//
// Before the first track:
//   title TEXT            name stored inside the file (defaults to the file name)
//   tempo Q               quarter notes per minute at the start (required)
//   time N/D              metre, D = 2, 4 or 8 (default 4/4)
//   scale C D E F# ...    optional: every pitched note must be one of these pitch classes, which
//                         catches slips of the pen
//
// Anywhere:
//   define NAME ... end   a named phrase; `play NAME NAME ...` puts it into the current track
//   repeat N ... end      the lines between, N times
//   track NAME            starts an instrument track; every track must end at the same moment
//
// In a track (settings take effect where they stand, so they may also change mid-tune):
//   program N             General MIDI instrument, numbered 1..128 as in the published list
//   channel N             1..16, chosen before the first event; 10 is percussion. By default
//                         each track takes the next free melodic channel
//   volume N, pan N, reverb N, chorus N      controllers 7, 10, 91, 93 (0..127, pan 64 centred)
//   gate N                per cent of each written length that sounds (default 90)
//   transpose N           semitones added to later notes and chord symbols
//   tempo Q               a tempo change at this point of the tune
//   roots NOTE            chord symbols put their root at or above NOTE, within an octave
//   pattern [hold] STEP.. how a chord symbol is played: the steps repeat until the chord ends.
//                         A step is a chord degree (1 root, 3 third, 5 fifth, 7 seventh,
//                         8 octave, 10 third an octave up, 9 or 2 the ninth...), several joined
//                         by `+`, `*` for the whole chord in close position, or `-` for a rest,
//                         each with an optional `:LENGTH` that stays until changed. A degree the
//                         chord lacks falls back: 7 to 8, 9 to 8, 6 to 5, 2 to 1. With `hold`,
//                         every step sounds until the chord ends, like a harp left to ring.
//
// Events:
//   E4:q  F#5  Bb3:e.     a note: letter, optional # or b, octave (C4 is middle C), then
//                         `:LENGTH`; without it the previous length of the track is used
//   C4+E4+G4:h            notes struck together
//   r:q                   a rest
//   [Am7]:w  [Bbmaj7]     a chord symbol played by the track's pattern. Qualities: none, m, 7,
//                         maj7, m7, m7b5, 6, m6, 9, maj9, m9, add9, madd9, sus2, sus4, 7sus4,
//                         dim, aug
//   kick  hat+blocklo:e   percussion sounds by name (channel 10 only, names in tune_words.cpp),
//                         `+` joins them
//   pp p mp mf f ff       loudness from here on
//   !                     at the end of an event: accented
//   |                     a bar line: stops the build unless it falls on the start of a bar
//
// LENGTH: w h q e s (whole to sixteenth), `.` dotted, `3` triplet, joined by `_` to tie
// (h_e is a half tied to an eighth).
#include "tune_reader.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <optional>
#include <sstream>
#include <stdexcept>
#include <utility>
#include <vector>

#include "tune_words.h"

namespace assetgen {

namespace {

using midi::Division;
using namespace tune;

struct Line {
  int number;
  std::vector<std::string> words;
};

struct TrackState {
  midi::Track track;
  std::uint32_t cursor = 0, length = Division;
  int velocity = 80, gate = 90, transpose = 0, lowestRoot = 48;
  bool started = false;
  Pattern pattern;
};

const std::map<std::string, int, std::less<>> ControllerNumbers = {
    {"volume", 7}, {"pan", 10}, {"reverb", 91}, {"chorus", 93}};

constexpr int AccentBoost = 16;
constexpr int PercussionChannel = 9;

std::vector<Line> SplitLines(std::string_view text) {
  std::vector<Line> lines;
  std::istringstream in{std::string(text)};
  std::string raw;
  for (int number = 1; std::getline(in, raw); ++number) {
    // A comment's `#` starts a word; inside a word it is a sharp.
    std::size_t comment = raw.find('#');
    while (comment != std::string::npos && comment > 0 &&
           !std::isspace(static_cast<unsigned char>(raw[comment - 1])))
      comment = raw.find('#', comment + 1);
    std::istringstream words(raw.substr(0, comment));
    Line line{number, {}};
    for (std::string w; words >> w;) line.words.push_back(w);
    if (!line.words.empty()) lines.push_back(std::move(line));
  }
  return lines;
}

class TuneReader {
public:
  explicit TuneReader(std::string source) : source_(std::move(source)) { song_.title = source_; }

  midi::Song Read(std::string_view text) {
    lines_ = SplitLines(text);
    Run(0, lines_.size(), 0);
    Finish();
    return std::move(song_);
  }

private:
  using Handler = void (TuneReader::*)(const Line&);

  [[noreturn]] void Fail(int line, const std::string& why) const {
    throw std::runtime_error(source_ + (line ? ":" + std::to_string(line) : "") + ": " + why);
  }

  std::uint32_t BarTicks() const { return song_.beatsPerBar * 4 * Division / song_.beatUnit; }

  std::string Where(std::uint32_t tick) const {
    const std::uint32_t beat = 4 * Division / song_.beatUnit;
    return "bar " + std::to_string(tick / BarTicks() + 1) + " beat " +
           std::to_string(tick % BarTicks() / beat + 1) +
           (tick % beat ? " and " + std::to_string(tick % beat) + " ticks" : "");
  }

  int Number(const Line& line, std::size_t index, int lo, int hi) const {
    if (index >= line.words.size()) Fail(line.number, line.words[0] + " needs a number");
    try {
      std::size_t used = 0;
      int n = std::stoi(line.words[index], &used);
      if (used == line.words[index].size() && n >= lo && n <= hi) return n;
    } catch (const std::exception&) {
    }
    Fail(line.number, line.words[0] + " takes a number from " + std::to_string(lo) + " to " +
                          std::to_string(hi));
  }

  TrackState& Current(int line) {
    if (tracks_.empty()) Fail(line, "this belongs inside a track");
    return tracks_.back();
  }

  void NeedNoTrack(const Line& line) const {
    if (!tracks_.empty()) Fail(line.number, line.words[0] + " must come before the first track");
  }

  std::size_t MatchingEnd(std::size_t opener, std::size_t limit) const {
    int depth = 0;
    for (std::size_t i = opener; i < limit; ++i) {
      const std::string& w = lines_[i].words[0];
      if (w == "define" || w == "repeat")
        ++depth;
      else if (w == "end" && --depth == 0)
        return i;
    }
    Fail(lines_[opener].number, lines_[opener].words[0] + " has no matching end");
  }

  void Run(std::size_t from, std::size_t to, int depth) {
    if (depth > 16) Fail(lines_[from].number, "phrases play each other without end");
    for (std::size_t i = from; i < to; ++i) {
      const Line& line = lines_[i];
      const std::string& head = line.words[0];
      if (head == "define" || head == "repeat") {
        const std::size_t end = MatchingEnd(i, to);
        if (head == "define") {
          if (line.words.size() != 2) Fail(line.number, "define takes one name");
          phrases_[line.words[1]] = {i + 1, end};
        } else {
          for (int n = Number(line, 1, 1, 64); n > 0; --n) Run(i + 1, end, depth + 1);
        }
        i = end;
      } else if (head == "end") {
        Fail(line.number, "end without define or repeat");
      } else if (head == "play") {
        for (std::size_t w = 1; w < line.words.size(); ++w) {
          auto phrase = phrases_.find(line.words[w]);
          if (phrase == phrases_.end()) Fail(line.number, "no phrase named " + line.words[w]);
          Run(phrase->second.first, phrase->second.second, depth + 1);
        }
      } else if (auto directive = Directives().find(head); directive != Directives().end()) {
        (this->*directive->second)(line);
      } else {
        for (const std::string& word : line.words) Event(word, line.number);
      }
    }
  }

  static const std::map<std::string, Handler, std::less<>>& Directives() {
    static const std::map<std::string, Handler, std::less<>> table = {
        {"title", &TuneReader::Title},         {"tempo", &TuneReader::TempoLine},
        {"time", &TuneReader::Time},           {"scale", &TuneReader::Scale},
        {"track", &TuneReader::NewTrack},      {"program", &TuneReader::Program},
        {"channel", &TuneReader::Channel},     {"volume", &TuneReader::Controller},
        {"pan", &TuneReader::Controller},      {"reverb", &TuneReader::Controller},
        {"chorus", &TuneReader::Controller},   {"gate", &TuneReader::Gate},
        {"transpose", &TuneReader::Transpose}, {"roots", &TuneReader::Roots},
        {"pattern", &TuneReader::PatternLine}};
    return table;
  }

  void Title(const Line& line) {
    NeedNoTrack(line);
    song_.title.clear();
    for (std::size_t w = 1; w < line.words.size(); ++w)
      song_.title += (w > 1 ? " " : "") + line.words[w];
  }

  void TempoLine(const Line& line) {
    const int q = Number(line, 1, 20, 300);
    const std::uint32_t tick = tracks_.empty() ? 0 : tracks_.back().cursor;
    if (tick == 0 && haveTempo_ && tracks_.empty()) Fail(line.number, "the tempo is already set");
    song_.tempos.push_back({tick, static_cast<double>(q)});
    haveTempo_ = true;
  }

  void Time(const Line& line) {
    NeedNoTrack(line);
    const std::string& t = line.words.size() == 2 ? line.words[1] : "";
    static const std::map<std::string, std::pair<int, int>, std::less<>> Metres = {
        {"2/4", {2, 4}}, {"3/4", {3, 4}},   {"4/4", {4, 4}}, {"6/8", {6, 8}},
        {"9/8", {9, 8}}, {"12/8", {12, 8}}, {"2/2", {2, 2}}};
    auto metre = Metres.find(t);
    if (metre == Metres.end()) Fail(line.number, "time takes a metre such as 3/4 or 6/8");
    std::tie(song_.beatsPerBar, song_.beatUnit) = metre->second;
  }

  void Scale(const Line& line) {
    NeedNoTrack(line);
    for (std::size_t w = 1; w < line.words.size(); ++w) {
      std::string_view s = line.words[w];
      auto pc = TakePitchClass(s);
      if (!pc || !s.empty()) Fail(line.number, "not a pitch class: " + line.words[w]);
      scale_.push_back(*pc);
    }
  }

  void NewTrack(const Line& line) {
    if (line.words.size() < 2) Fail(line.number, "track needs a name");
    TrackState state;
    for (std::size_t w = 1; w < line.words.size(); ++w)
      state.track.name += (w > 1 ? " " : "") + line.words[w];
    state.track.channel = -1;
    for (int c = 0; c < 16 && state.track.channel < 0; ++c)
      if (c != PercussionChannel && !ChannelTaken(c)) state.track.channel = c;
    if (state.track.channel < 0) Fail(line.number, "no free channel left");
    tracks_.push_back(std::move(state));
  }

  bool ChannelTaken(int channel) const {
    for (const TrackState& t : tracks_)
      if (t.track.channel == channel) return true;
    return false;
  }

  void Program(const Line& line) {
    TrackState& t = Current(line.number);
    t.track.controls.push_back(
        {t.cursor, 0xC0, static_cast<std::uint8_t>(Number(line, 1, 1, 128) - 1), 0});
  }

  void Channel(const Line& line) {
    TrackState& t = Current(line.number);
    const int channel = Number(line, 1, 1, 16) - 1;
    if (t.started) Fail(line.number, "choose the channel before the first note");
    t.track.channel = -1;
    if (channel != PercussionChannel && ChannelTaken(channel))
      Fail(line.number, "another track already uses channel " + line.words[1]);
    t.track.channel = channel;
  }

  void Controller(const Line& line) {
    TrackState& t = Current(line.number);
    t.track.controls.push_back({t.cursor, 0xB0,
                                static_cast<std::uint8_t>(ControllerNumbers.at(line.words[0])),
                                static_cast<std::uint8_t>(Number(line, 1, 0, 127))});
  }

  void Gate(const Line& line) { Current(line.number).gate = Number(line, 1, 10, 100); }
  void Transpose(const Line& line) { Current(line.number).transpose = Number(line, 1, -36, 36); }

  void Roots(const Line& line) {
    auto key = line.words.size() == 2 ? ParsePitch(line.words[1]) : std::nullopt;
    if (!key) Fail(line.number, "roots takes a note such as A2");
    Current(line.number).lowestRoot = *key;
  }

  void PatternLine(const Line& line) {
    TrackState& t = Current(line.number);
    Pattern pattern;
    std::uint32_t length = Division;
    for (std::size_t w = 1; w < line.words.size(); ++w) {
      const std::string& word = line.words[w];
      if (word == "hold") {
        pattern.hold = true;
        continue;
      }
      auto step = ParseStep(word, length);
      if (!step) Fail(line.number, "not a pattern step: " + word);
      pattern.steps.push_back(*step);
    }
    if (pattern.steps.empty()) Fail(line.number, "pattern needs at least one step");
    t.pattern = std::move(pattern);
  }

  void Event(const std::string& word, int line) {
    TrackState& t = Current(line);
    if (word == "|") {
      if (t.cursor % BarTicks()) Fail(line, "bar line at " + Where(t.cursor));
      return;
    }
    if (auto loudness = Loudness(word)) {
      t.velocity = *loudness;
      return;
    }
    std::string_view body = word;
    const bool accent = body.size() > 1 && body.back() == '!';
    if (accent) body.remove_suffix(1);
    if (const std::size_t colon = body.find(':'); colon != std::string_view::npos) {
      auto length = ParseLength(body.substr(colon + 1));
      if (!length) Fail(line, "not a length: " + word);
      t.length = *length;
      body = body.substr(0, colon);
    }
    t.started = true;
    const int velocity = t.velocity + (accent ? AccentBoost : 0);
    if (body.size() > 2 && body.front() == '[' && body.back() == ']')
      Chord(body.substr(1, body.size() - 2), velocity, line);
    else if (body != "r")
      Strike(Keys(body, line), t.cursor, Sounding(t.length), velocity, line);
    t.cursor += t.length;
  }

  std::uint32_t Sounding(std::uint32_t length) const {
    return std::max<std::uint32_t>(1, length * tracks_.back().gate / 100);
  }

  std::vector<int> Keys(std::string_view body, int line) const {
    const TrackState& t = tracks_.back();
    const bool drums = t.track.channel == PercussionChannel;
    std::vector<int> keys;
    for (std::size_t from = 0; from <= body.size();) {
      const std::size_t to = std::min(body.find('+', from), body.size());
      const std::string_view name = body.substr(from, to - from);
      auto drum = DrumKey(name);
      auto pitch = ParsePitch(name);
      if (drums && drum)
        keys.push_back(*drum);
      else if (!drums && pitch)
        keys.push_back(*pitch + t.transpose);
      else
        Fail(line,
             std::string(drums ? "not a percussion sound: " : "not a note: ") + std::string(name));
      from = to + 1;
    }
    return keys;
  }

  void Chord(std::string_view symbol, int velocity, int line) {
    TrackState& t = tracks_.back();
    const std::string whole(symbol);
    auto pc = TakePitchClass(symbol);
    auto shape = FindChordShape(symbol);
    if (!pc || !shape) Fail(line, "not a chord symbol: " + whole);
    if (t.pattern.steps.empty()) Fail(line, "a chord symbol needs a pattern first");
    const int root = t.lowestRoot + ((*pc + t.transpose - t.lowestRoot) % 12 + 12) % 12;
    std::uint32_t at = 0;
    for (std::size_t k = 0; at < t.length; ++k) {
      const Step& step = t.pattern.steps[k % t.pattern.steps.size()];
      const std::uint32_t length = std::min(step.length, t.length - at);
      std::vector<int> keys;
      for (int offset : step.whole ? CloseVoicing(*shape) : std::vector<int>{})
        keys.push_back(root + offset);
      for (int degree : step.degrees) keys.push_back(root + DegreeOffset(*shape, degree));
      const std::uint32_t sounding = t.pattern.hold ? t.length - at : Sounding(length);
      Strike(keys, t.cursor + at, sounding, k == 0 ? velocity : t.velocity, line);
      at += length;
    }
  }

  void Strike(const std::vector<int>& keys, std::uint32_t start, std::uint32_t length, int velocity,
              int line) {
    TrackState& t = tracks_.back();
    for (int key : keys) {
      if (key < 0 || key > 127) Fail(line, "a note falls outside the keyboard");
      if (t.track.channel != PercussionChannel && !scale_.empty() &&
          std::find(scale_.begin(), scale_.end(), key % 12) == scale_.end())
        Fail(line, NoteName(key) + " is outside the tune's scale, at " + Where(start));
      t.track.notes.push_back({start, length, static_cast<std::uint8_t>(key),
                               static_cast<std::uint8_t>(std::clamp(velocity, 1, 127))});
    }
  }

  void Finish() {
    if (!haveTempo_) Fail(0, "the tempo is missing");
    if (tracks_.empty()) Fail(0, "the tune has no track");
    const std::uint32_t length = tracks_.front().cursor;
    for (const TrackState& t : tracks_) {
      if (t.cursor != length)
        Fail(0, "track " + t.track.name + " ends at " + Where(t.cursor) + " but track " +
                    tracks_.front().track.name + " at " + Where(length));
      song_.tracks.push_back(t.track);
    }
    std::stable_sort(song_.tempos.begin(), song_.tempos.end(),
                     [](const midi::Tempo& a, const midi::Tempo& b) { return a.tick < b.tick; });
    song_.length = length;
  }

  std::string source_;
  std::vector<Line> lines_;
  std::map<std::string, std::pair<std::size_t, std::size_t>> phrases_;
  midi::Song song_;
  std::vector<TrackState> tracks_;
  std::vector<int> scale_;
  bool haveTempo_ = false;
};

} // namespace

midi::Song ReadTune(std::string_view text, const std::string& source) {
  return TuneReader(source).Read(text);
}

} // namespace assetgen
