// The three sound effects, synthesized from a few decaying sine partials: a wood-block tick for a
// pick, a rising two-note chime for a removed pair, a low dull buzz for a refused move.
#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <utility>
#include <vector>

#include "assetgen.h"
#include "image_files.h"

namespace assetgen {

namespace {

constexpr int SampleRate = 22050;

// One sine partial: it starts at `start` seconds, rises over `attack` and then decays by e every
// `decay` seconds. `glide` bends its pitch by that factor over the partial's first `decay`.
struct Partial {
  double hz, amplitude, start, attack, decay, glide = 1.0;
};

struct Effect {
  const char* name;
  double seconds;
  double peak; // of full scale; the low buzz needs more level to sound as loud
  std::vector<Partial> partials;
  double noise = 0; // amplitude of a short noise burst at the start: the knock of a strike
};

// Two bell-like notes a fourth apart, E5 then A5.
std::vector<Partial> Chime() {
  std::vector<Partial> p;
  for (auto [hz, start] : {std::pair{659.26, 0.0}, std::pair{880.0, 0.11}}) {
    p.push_back({hz, 1.0, start, 0.004, 0.16});
    p.push_back({hz * 2, 0.22, start, 0.003, 0.07});
    p.push_back({hz * 3, 0.06, start, 0.002, 0.04});
  }
  return p;
}

const Effect Effects[] = {
    {"select",
     0.12,
     0.35,
     {{1650, 1.0, 0, 0.0015, 0.016}, {2840, 0.35, 0, 0.001, 0.009}, {820, 0.2, 0, 0.002, 0.02}},
     0.25},
    {"done", 0.45, 0.5, Chime()},
    {"noway",
     0.26,
     0.6,
     // Small speakers drop the 118 Hz fundamental; the harmonics keep the buzz audible there.
     {{118, 1.0, 0, 0.006, 0.09, 0.85},
      {236, 0.45, 0, 0.006, 0.08, 0.85},
      {354, 0.35, 0, 0.006, 0.07, 0.85},
      {472, 0.2, 0, 0.006, 0.06, 0.85},
      {590, 0.15, 0, 0.006, 0.05, 0.85},
      {826, 0.08, 0, 0.006, 0.04, 0.85}},
     0.1},
};

// Raised-cosine ramp from 0 to 1 over `length` seconds.
double Ramp(double t, double length) {
  if (t >= length) return 1.0;
  return 0.5 - 0.5 * std::cos(std::numbers::pi * std::max(t, 0.0) / length);
}

std::vector<double> Render(const Effect& effect) {
  const int count = static_cast<int>(effect.seconds * SampleRate);
  std::vector<double> wave(count, 0.0);
  for (const Partial& p : effect.partials) {
    double phase = 0;
    for (int i = 0; i < count; ++i) {
      const double t = i / static_cast<double>(SampleRate) - p.start;
      if (t < 0) continue;
      const double bend = std::pow(p.glide, std::min(t / p.decay, 1.0));
      phase += 2 * std::numbers::pi * p.hz * bend / SampleRate;
      wave[i] += p.amplitude * Ramp(t, p.attack) * std::exp(-t / p.decay) * std::sin(phase);
    }
  }
  ArtNoise noise(0x50D5u);
  for (int i = 0; i < count; ++i) {
    const double t = i / static_cast<double>(SampleRate);
    wave[i] += effect.noise * (2 * noise.Unit() - 1) * Ramp(t, 0.001) * std::exp(-t / 0.004);
  }
  // No click at either end: fade in over the first millisecond, out over the last 20.
  for (int i = 0; i < count; ++i) {
    const double t = i / static_cast<double>(SampleRate);
    wave[i] *= Ramp(t, 0.001) * Ramp(effect.seconds - t - 1.0 / SampleRate, 0.02);
  }
  double loudest = 0;
  for (double v : wave) loudest = std::max(loudest, std::abs(v));
  for (double& v : wave) v *= effect.peak / loudest;
  return wave;
}

// A canonical 44-byte header: 16-bit PCM, mono.
std::string WaveFile(const std::vector<double>& wave) {
  const unsigned dataBytes = static_cast<unsigned>(wave.size() * 2);
  std::string s = "RIFF";
  Put32(s, 36 + dataBytes);
  s += "WAVEfmt ";
  Put32(s, 16);
  Put16(s, 1); // PCM
  Put16(s, 1); // mono
  Put32(s, SampleRate);
  Put32(s, SampleRate * 2); // bytes per second
  Put16(s, 2);              // bytes per sample frame
  Put16(s, 16);
  s += "data";
  Put32(s, dataBytes);
  for (double v : wave) {
    const long sample = std::lround(std::clamp(v, -1.0, 1.0) * 32767);
    Put16(s, static_cast<unsigned>(sample) & 0xFFFF);
  }
  return s;
}

} // namespace

void MakeSounds(const fs::path& out) {
  for (const Effect& effect : Effects)
    SaveBytes(WaveFile(Render(effect)), out / "builtin" / (std::string(effect.name) + ".wav"));
}

} // namespace assetgen
