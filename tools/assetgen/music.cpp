// Our tunes: note sources in assets/music/*.tune become Standard MIDI Files in Musics/.
#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "assetgen.h"
#include "image_files.h"
#include "midi_file.h"
#include "tune_reader.h"

namespace assetgen {

namespace {

[[noreturn]] void Fail(const std::string& why) {
  std::cerr << "assetgen: music: " << why << "\n";
  std::exit(1);
}

std::string ReadWhole(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) Fail("cannot open " + path.string());
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::uint32_t NameSeed(const std::string& text) {
  std::uint32_t h = 2166136261u; // FNV-1a: a stable seed from the tune's and track's names
  for (unsigned char c : text) h = (h ^ c) * 16777619u;
  return h;
}

// Downbeats lean hardest, the middle of an even bar a little, notes between beats go lighter.
int MetricLift(const midi::Song& song, std::uint32_t tick) {
  const std::uint32_t beat = 4 * midi::Division / song.beatUnit;
  const std::uint32_t bar = beat * song.beatsPerBar, inBar = tick % bar;
  if (inBar == 0) return 6;
  if (song.beatsPerBar % 2 == 0 && inBar == bar / 2) return 3;
  return inBar % beat == 0 ? 0 : -3;
}

// A player leans on the strong beats, lets high notes of a line sing out a little and never
// strikes two notes quite alike; written velocities only set the level around which this moves.
void Perform(midi::Song& song, const std::string& seedName) {
  for (midi::Track& track : song.tracks) {
    if (track.notes.empty()) continue;
    long keySum = 0;
    for (const midi::Note& n : track.notes) keySum += n.key;
    const int meanKey = static_cast<int>(keySum / static_cast<long>(track.notes.size()));
    const bool pitched = track.channel != 9; // drum keys name sounds, not heights
    ArtNoise noise(NameSeed(seedName + "/" + track.name));
    for (midi::Note& n : track.notes) {
      int lift = MetricLift(song, n.start) + static_cast<int>(noise.Next() % 5) - 2;
      if (pitched) lift += std::clamp((n.key - meanKey) / 3, -5, 5);
      n.velocity = static_cast<std::uint8_t>(std::clamp(n.velocity + lift, 1, 127));
    }
  }
}

} // namespace

void MakeMusic(const fs::path& assets, const fs::path& out) {
  std::vector<fs::path> sources;
  std::error_code ec;
  for (const auto& entry : fs::directory_iterator(assets / "music", ec))
    if (entry.path().extension() == ".tune") sources.push_back(entry.path());
  std::sort(sources.begin(), sources.end());
  if (sources.empty()) Fail("no tunes in " + (assets / "music").string());

  // Read every tune before writing any, so that one mistake leaves the folder as it was.
  std::map<std::string, std::string> files;
  for (const fs::path& source : sources) {
    const std::string caption = source.stem().string();
    try {
      midi::Song song = ReadTune(ReadWhole(source), caption);
      Perform(song, caption);
      files[caption + ".mid"] = midi::WriteSmf(song);
    } catch (const std::runtime_error& e) {
      Fail(std::string(e.what()) + " (in " + source.string() + ")");
    }
  }
  // A renamed or removed tune must not linger in the menu as a stale file.
  const fs::path folder = out / "Musics";
  for (const auto& entry : fs::directory_iterator(folder, ec))
    if (entry.path().extension() == ".mid" && !files.count(entry.path().filename().string()))
      fs::remove(entry.path(), ec);
  for (const auto& [name, bytes] : files) SaveBytes(bytes, folder / name);
}

} // namespace assetgen
