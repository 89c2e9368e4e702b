// The music and sound effects that assetgen placed in the build folder, read back by readers that
// follow the file formats rather than our writers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <numbers>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;
const fs::path BuildDir = PELMAR_BUILD_DIR;

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

constexpr bool BigEndian = true, LittleEndian = false;

// Reads bytes front to back; running out of data throws.
class Cursor {
public:
  Cursor(const std::string& bytes, std::size_t from, std::size_t to, bool bigEndian)
      : s_(bytes), at_(from), end_(to), big_(bigEndian) {}
  bool AtEnd() const { return at_ == end_; }
  std::size_t At() const { return at_; }
  std::string Take(std::size_t n) {
    if (end_ - at_ < n) Fail("the data runs out");
    at_ += n;
    return s_.substr(at_ - n, n);
  }
  std::uint8_t Next() { return static_cast<std::uint8_t>(Take(1)[0]); }
  std::uint8_t Peek() const { return Cursor(*this).Next(); }
  std::uint32_t Int(int n) {
    const std::string b = Take(n);
    std::uint32_t v = 0;
    for (int i = 0; i < n; ++i)
      v |= std::uint32_t{static_cast<std::uint8_t>(b[i])} << 8 * (big_ ? n - 1 - i : i);
    return v;
  }
  std::uint32_t VarLen() {
    std::uint32_t v = 0;
    for (int i = 0; i < 4; ++i) {
      const std::uint8_t b = Next();
      v = v << 7 | (b & 0x7F);
      if (!(b & 0x80)) return v;
    }
    Fail("a variable-length number is longer than four bytes");
  }
  [[noreturn]] static void Fail(const std::string& why) { throw std::runtime_error(why); }

private:
  const std::string& s_;
  std::size_t at_, end_;
  bool big_;
};

struct MidiTrack {
  std::uint32_t endTick = 0;
  std::vector<std::pair<std::uint32_t, std::uint32_t>> tempos; // tick, microseconds per quarter
  int stuck = 0, restruck = 0, beforeProgram = 0;
  std::vector<int> drumKeys;
};

struct Midi {
  std::string error; // empty for a well-formed file
  int format = -1, division = 0;
  std::vector<MidiTrack> tracks;
};

MidiTrack ReadTrackEvents(Cursor c) {
  MidiTrack t;
  std::map<int, int> sounding; // channel * 128 + key: how many times struck and not released
  bool program[16] = {};
  std::uint8_t status = 0;
  for (std::uint32_t tick = 0;;) {
    if (c.AtEnd()) Cursor::Fail("a track has no end-of-track event");
    tick += c.VarLen();
    if (c.Peek() == 0xFF || c.Peek() == 0xF0 || c.Peek() == 0xF7) {
      status = 0; // meta and system-exclusive events cancel running status
      const int type = c.Next() == 0xFF ? c.Next() : -1;
      const std::string data = c.Take(c.VarLen());
      if (type == 0x51 && data.size() != 3) Cursor::Fail("a tempo event is not three bytes");
      if (type == 0x51) t.tempos.push_back({tick, Cursor(data, 0, 3, BigEndian).Int(3)});
      if (type != 0x2F) continue;
      if (!data.empty() || !c.AtEnd()) Cursor::Fail("the end-of-track event is not at the end");
      t.endTick = tick;
      for (const auto& [key, count] : sounding) t.stuck += count;
      return t;
    }
    if (c.Peek() & 0x80)
      status = c.Next();
    else if (status == 0)
      Cursor::Fail("running status with no status before it");
    const int kind = status & 0xF0, channel = status & 0x0F;
    const int key = c.Next(), value = (kind == 0xC0 || kind == 0xD0) ? 0 : c.Next();
    if ((key | value) & 0x80) Cursor::Fail("a data byte above 127");
    int& count = sounding[channel * 128 + key];
    if (kind == 0xC0) program[channel] = true;
    if (kind == 0x90 && value > 0) {
      t.restruck += count++ > 0;
      t.beforeProgram += channel != 9 && !program[channel];
      if (channel == 9) t.drumKeys.push_back(key);
    } else if ((kind == 0x80 || kind == 0x90) && count > 0) {
      --count;
    }
  }
}

Midi ReadMidi(const std::string& bytes) {
  Midi m;
  try {
    Cursor c(bytes, 0, bytes.size(), BigEndian);
    if (c.Take(4) != "MThd" || c.Int(4) != 6) Cursor::Fail("no MThd header of length 6");
    m.format = c.Int(2);
    const std::uint32_t count = c.Int(2);
    m.division = c.Int(2);
    if (m.format > 1 || (m.format == 0 && count != 1)) Cursor::Fail("not format 0 or 1");
    if (m.division == 0 || m.division & 0x8000) Cursor::Fail("not a ticks-per-quarter division");
    for (std::uint32_t i = 0; i < count; ++i) {
      if (c.Take(4) != "MTrk") Cursor::Fail("a chunk that is not MTrk");
      const std::uint32_t length = c.Int(4);
      if (bytes.size() - c.At() < length) Cursor::Fail("a track chunk runs past the file's end");
      m.tracks.push_back(ReadTrackEvents(Cursor(bytes, c.At(), c.At() + length, BigEndian)));
      c.Take(length);
    }
    if (!c.AtEnd()) Cursor::Fail("bytes after the last track");
  } catch (const std::runtime_error& e) {
    m.error = e.what();
  }
  return m;
}

double Seconds(const Midi& m) {
  std::vector<std::pair<std::uint32_t, std::uint32_t>> tempos = {{0, 500000}};
  std::uint32_t end = 0;
  for (const MidiTrack& t : m.tracks) {
    tempos.insert(tempos.end(), t.tempos.begin(), t.tempos.end());
    end = std::max(end, t.endTick);
  }
  std::stable_sort(tempos.begin(), tempos.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  double micros = 0;
  for (std::size_t i = 0; i < tempos.size() && tempos[i].first < end; ++i) {
    const std::uint32_t until = i + 1 < tempos.size() ? std::min(tempos[i + 1].first, end) : end;
    micros += double(until - tempos[i].first) * tempos[i].second / m.division;
  }
  return micros / 1e6;
}

std::string Track(const std::string& events) {
  const auto n = static_cast<std::uint32_t>(events.size());
  return std::string("MTrk") + char(n >> 24) + char(n >> 16) + char(n >> 8) + char(n) + events;
}
const std::string Header = std::string("MThd\0\0\0\6\0\1\0\1\1\xE0", 14);
const std::string EndOfTrack = std::string("\0\xFF\x2F\0", 4);

TEST(MidiReader, TellsWellFormedTracksFromBrokenOnes) {
  const std::string noteOn = std::string("\0\x90\x3C\x40", 4);
  const struct {
    const char* what;
    std::string file;
    bool wellFormed;
  } cases[] = {
      {"running status", Header + Track(noteOn + std::string("\x60\x3C\0", 3) + EndOfTrack), true},
      {"no status yet", Header + Track(std::string("\0\x3C\x40", 3) + EndOfTrack), false},
      {"meta cancels running status",
       Header + Track(noteOn + std::string("\0\xFF\1\0\x60\x3C\0", 7) + EndOfTrack), false},
      {"no end of track", Header + Track(noteOn), false},
      {"bytes after end of track", Header + Track(EndOfTrack + std::string("\0", 1)), false},
      {"chunk past file end", (Header + Track(EndOfTrack)).substr(0, 24), false},
      {"header not six bytes", "MThd" + std::string("\0\0\0\7", 4) + Header.substr(8), false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReadMidi(c.file).error.empty(), c.wellFormed)
        << c.what << ": " << ReadMidi(c.file).error;
}

std::vector<fs::path> TuneFiles() {
  std::vector<fs::path> files;
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(BuildDir / "Musics", ec))
    if (e.path().extension() == ".mid") files.push_back(e.path());
  std::sort(files.begin(), files.end());
  return files;
}

TEST(Music, HoldsTheStartUpTuneNightAmongAtLeastFive) {
  EXPECT_GE(TuneFiles().size(), 5u);
  EXPECT_TRUE(fs::is_regular_file(BuildDir / "Musics" / "Night.mid"));
}

TEST(Music, EveryTuneIsAWellFormedMultiTrackFileOfOneToThreeMinutes) {
  for (const fs::path& file : TuneFiles()) {
    SCOPED_TRACE(file.filename().string());
    const Midi m = ReadMidi(ReadBytes(file));
    ASSERT_EQ(m.error, "");
    EXPECT_EQ(m.format, 1);
    EXPECT_GE(m.tracks.size(), 4u); // tempo map, melody, harmony, bass at least
    ASSERT_FALSE(m.tracks.front().tempos.empty());
    EXPECT_EQ(m.tracks.front().tempos.front().first, 0u) << "the opening tempo comes late";
    EXPECT_GE(Seconds(m), 60.0);
    EXPECT_LE(Seconds(m), 180.0);
  }
}

// A note left sounding at the end would drone on through every repeat of the tune.
TEST(Music, EveryNoteIsVoicedAndReleasedWithinItsTrack) {
  for (const fs::path& file : TuneFiles()) {
    const Midi m = ReadMidi(ReadBytes(file));
    for (std::size_t i = 0; i < m.tracks.size(); ++i) {
      SCOPED_TRACE(file.filename().string() + " track " + std::to_string(i));
      const MidiTrack& t = m.tracks[i];
      EXPECT_EQ(t.stuck, 0);
      EXPECT_EQ(t.restruck, 0) << "a key struck again while sounding is cut short by its release";
      EXPECT_EQ(t.beforeProgram, 0) << "notes play before the track chooses its instrument";
      for (int key : t.drumKeys) EXPECT_TRUE(key >= 35 && key <= 81) << "no General MIDI drum";
    }
  }
}

struct Wave {
  std::string error;
  std::uint32_t rate = 0;
  std::vector<double> samples; // -1..1
};

Wave ReadWave(const std::string& bytes) {
  Wave w;
  try {
    Cursor c(bytes, 0, bytes.size(), LittleEndian);
    if (c.Take(4) != "RIFF" || c.Int(4) != bytes.size() - 8 || c.Take(4) != "WAVE")
      Cursor::Fail("no RIFF/WAVE header matching the file size");
    bool haveFormat = false;
    while (!c.AtEnd()) {
      const std::string id = c.Take(4);
      const std::uint32_t size = c.Int(4);
      Cursor chunk(bytes, c.At(), c.At() + size, LittleEndian);
      c.Take(size + size % 2);
      if (id == "fmt ") {
        if (size < 16 || chunk.Int(2) != 1 || chunk.Int(2) != 1) Cursor::Fail("not mono PCM");
        w.rate = chunk.Int(4);
        const std::uint32_t byteRate = chunk.Int(4), align = chunk.Int(2);
        if (chunk.Int(2) != 16 || align != 2 || byteRate != w.rate * 2)
          Cursor::Fail("not 16-bit samples, or inconsistent rates");
        haveFormat = true;
      } else if (id == "data") {
        if (!haveFormat || size % 2) Cursor::Fail("data before fmt, or half a sample");
        for (std::uint32_t i = 0; i < size / 2; ++i)
          w.samples.push_back(static_cast<std::int16_t>(chunk.Int(2)) / 32768.0);
      }
    }
    if (w.samples.empty()) Cursor::Fail("no samples");
  } catch (const std::runtime_error& e) {
    w.error = e.what();
  }
  return w;
}

double LoudestFrequency(const Wave& w) {
  double best = 0, bestPower = -1;
  for (double hz = 50; hz < 5000; hz *= std::pow(2.0, 1.0 / 48)) {
    const double k = 2 * std::cos(2 * std::numbers::pi * hz / w.rate);
    double s1 = 0, s2 = 0; // Goertzel
    for (double x : w.samples) s2 = std::exchange(s1, x + k * s1 - s2);
    const double power = s1 * s1 + s2 * s2 - k * s1 * s2;
    if (power > bestPower) std::tie(best, bestPower) = std::pair(hz, power);
  }
  return best;
}

Wave Effect(const std::string& name) {
  return ReadWave(ReadBytes(BuildDir / "builtin" / (name + ".wav")));
}

class SoundEffect : public testing::TestWithParam<const char*> {};

TEST_P(SoundEffect, IsAShortAudibleMonoPcmClipWithoutClicks) {
  const Wave w = Effect(GetParam());
  ASSERT_EQ(w.error, "");
  EXPECT_TRUE(w.rate == 22050 || w.rate == 44100) << w.rate;
  const double seconds = double(w.samples.size()) / w.rate;
  EXPECT_GT(seconds, 0.03);
  EXPECT_LT(seconds, 0.5);
  double peak = 0;
  for (double x : w.samples) peak = std::max(peak, std::abs(x));
  EXPECT_GT(peak, 0.1) << "too quiet to hear over the music";
  EXPECT_LT(peak, 0.99) << "clipped";
  EXPECT_LT(std::abs(w.samples.front()), 0.01) << "starts with a click";
  EXPECT_LT(std::abs(w.samples.back()), 0.01) << "ends with a click";
}

INSTANTIATE_TEST_SUITE_P(Builtin, SoundEffect, testing::Values("select", "done", "noway"));

TEST(SoundEffects, AreToldApartByPitchAndTheRefusalIsLow) {
  std::vector<std::pair<double, const char*>> pitches;
  for (const char* name : {"select", "done", "noway"})
    pitches.push_back({LoudestFrequency(Effect(name)), name});
  std::sort(pitches.begin(), pitches.end());
  for (std::size_t i = 1; i < pitches.size(); ++i)
    EXPECT_GT(pitches[i].first / pitches[i - 1].first, 1.25)
        << pitches[i - 1].second << " and " << pitches[i].second;
  EXPECT_STREQ(pitches.front().second, "noway");
  EXPECT_LT(pitches.front().first, 250.0);
}

} // namespace
