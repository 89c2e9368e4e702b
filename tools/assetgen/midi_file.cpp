#include "midi_file.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace assetgen::midi {

namespace {

void PutBig(std::string& s, std::uint32_t value, int bytes) {
  for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
    s += static_cast<char>((value >> shift) & 0xFF);
}

void PutVarLen(std::string& s, std::uint32_t value) {
  char groups[5];
  int n = 0;
  do {
    groups[n++] = static_cast<char>(value & 0x7F);
    value >>= 7;
  } while (value != 0);
  while (n > 1) s += static_cast<char>(groups[--n] | 0x80);
  s += groups[0];
}

// Events at one tick go out in this order: names and settings first, then the notes that end,
// then those that start, so a repeated key is released before it is struck again.
enum Rank { MetaRank, ControlRank, NoteOffRank, NoteOnRank };

struct Event {
  std::uint32_t tick;
  Rank rank;
  std::string bytes; // status byte first; meta events start with 0xFF
};

std::string Meta(std::uint8_t type, const std::string& data) {
  std::string s = {static_cast<char>(0xFF), static_cast<char>(type)};
  PutVarLen(s, static_cast<std::uint32_t>(data.size()));
  return s + data;
}

std::string Channel(std::uint8_t status, std::uint8_t a, std::uint8_t b, bool twoDataBytes) {
  std::string s = {static_cast<char>(status), static_cast<char>(a)};
  if (twoDataBytes) s += static_cast<char>(b);
  return s;
}

// Running status spares the repeated status byte of channel messages; a meta event breaks it.
std::string TrackChunk(std::vector<Event> events, std::uint32_t endTick) {
  std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
    return std::pair(a.tick, a.rank) < std::pair(b.tick, b.rank);
  });
  std::string body;
  std::uint32_t now = 0;
  char runningStatus = 0;
  for (const Event& e : events) {
    PutVarLen(body, e.tick - now);
    now = e.tick;
    const bool isMeta = static_cast<unsigned char>(e.bytes[0]) == 0xFF;
    body += (!isMeta && e.bytes[0] == runningStatus) ? e.bytes.substr(1) : e.bytes;
    runningStatus = isMeta ? 0 : e.bytes[0];
  }
  PutVarLen(body, endTick - now);
  body += Meta(0x2F, "");
  std::string chunk = "MTrk";
  PutBig(chunk, static_cast<std::uint32_t>(body.size()), 4);
  return chunk + body;
}

// A key struck again while it still sounds would have its note-off cut the new note short.
std::vector<Note> WithoutOverlaps(std::vector<Note> notes, std::uint32_t endTick) {
  std::stable_sort(notes.begin(), notes.end(), [](const Note& a, const Note& b) {
    return std::pair(a.key, a.start) < std::pair(b.key, b.start);
  });
  std::vector<Note> kept;
  for (std::size_t i = 0; i < notes.size(); ++i) {
    Note n = notes[i];
    std::uint32_t end = std::min(n.start + n.length, endTick);
    if (i + 1 < notes.size() && notes[i + 1].key == n.key) end = std::min(end, notes[i + 1].start);
    if (end <= n.start) continue;
    n.length = end - n.start;
    kept.push_back(n);
  }
  return kept;
}

std::string ConductorChunk(const Song& song) {
  std::vector<Event> events;
  events.push_back({0, MetaRank, Meta(0x03, song.title)});
  const int unitLog2 = song.beatUnit == 8 ? 3 : song.beatUnit == 2 ? 1 : 2;
  // Metronome clicks fall on dotted quarters in compound metres, on quarters otherwise.
  const char clocks = song.beatUnit == 8 && song.beatsPerBar % 3 == 0 ? 36 : 24;
  events.push_back(
      {0, MetaRank,
       Meta(0x58, {static_cast<char>(song.beatsPerBar), static_cast<char>(unitLog2), clocks, 8})});
  for (const Tempo& t : song.tempos) {
    std::string micros;
    PutBig(micros, static_cast<std::uint32_t>(std::lround(60e6 / t.quartersPerMinute)), 3);
    events.push_back({t.tick, MetaRank, Meta(0x51, micros)});
  }
  return TrackChunk(std::move(events), song.length);
}

std::string InstrumentChunk(const Track& track, std::uint32_t endTick) {
  const auto channel = static_cast<std::uint8_t>(track.channel & 0x0F);
  std::vector<Event> events;
  events.push_back({0, MetaRank, Meta(0x03, track.name)});
  for (const Control& c : track.controls)
    events.push_back(
        {c.tick, ControlRank, Channel(c.status | channel, c.data1, c.data2, c.status != 0xC0)});
  for (const Note& n : WithoutOverlaps(track.notes, endTick)) {
    // A note-on of velocity 0 ends a note and keeps running status unbroken.
    events.push_back({n.start, NoteOnRank, Channel(0x90 | channel, n.key, n.velocity, true)});
    events.push_back({n.start + n.length, NoteOffRank, Channel(0x90 | channel, n.key, 0, true)});
  }
  return TrackChunk(std::move(events), endTick);
}

} // namespace

std::string WriteSmf(const Song& song) {
  std::string file = "MThd";
  PutBig(file, 6, 4);
  PutBig(file, 1, 2); // format 1: simultaneous tracks
  PutBig(file, static_cast<std::uint32_t>(song.tracks.size() + 1), 2);
  PutBig(file, Division, 2);
  file += ConductorChunk(song);
  for (const Track& track : song.tracks) file += InstrumentChunk(track, song.length);
  return file;
}

} // namespace assetgen::midi
