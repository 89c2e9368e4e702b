#pragma once

// Small helpers shared by the painters of backgrounds and built-in pictures.
#include <QColor>
#include <QFont>
#include <QImage>

#include <cstdint>
#include <functional>
#include <vector>

namespace assetgen::art {

// Value noise on a lattice that wraps around, so that a texture sampled over one whole period
// repeats without a seam. Each octave doubles the lattice, so every octave wraps with the first.
class TileableNoise {
public:
  // cellsX x cellsY lattice cells span one period; octaves add finer detail at half the weight.
  TileableNoise(std::uint32_t seed, int cellsX, int cellsY, int octaves);

  // u and v run over [0, 1) for one period; the result lies in [0, 1).
  double At(double u, double v) const;

private:
  struct Octave {
    int cellsX, cellsY;
    std::vector<double> values;
  };
  static double Sample(const Octave& o, double u, double v);

  std::vector<Octave> octaves_;
  double norm_ = 1;
};

inline double Clamp01(double t) {
  return t < 0 ? 0 : (t > 1 ? 1 : t);
}
double SmoothStep(double edge0, double edge1, double x);
QColor Mix(const QColor& a, const QColor& b, double t);
// Every channel times factor, kept inside 0..255.
QColor Shade(const QColor& c, double factor);

// How strongly (x, y) lies on one of the arcs of a pattern of overlapping fans of rings, each row
// of fans laid over the row above it: 0 between arcs, 1 on one.
double FanArcs(double x, double y, double radius);

// A transparent canvas to paint on with antialiasing.
QImage Canvas(int width, int height);

// The program draws its picture lists with one colour left out. Antialiased art on a transparent
// canvas becomes a hard-edged picture on that key colour: half-covered pixels keep their own
// colour, the rest take the key, and no drawn pixel may come out equal to the key by chance.
QImage KeyOut(const QImage& art, QColor key);

// Sets every pixel from a function of its position and its present colour.
void ShadePixels(QImage& image, const std::function<QColor(int, int, QColor)>& shade);

// A font by family and pixel size; pixel sizes keep text the same size whatever the screen.
QFont PixelFont(const char* family, int pixelSize, bool bold = true);

} // namespace assetgen::art
