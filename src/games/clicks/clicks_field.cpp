#include "games/clicks/clicks_field.h"

namespace clicks {

namespace {

constexpr int Rows = ClicksField::Rows;
// Right, below, left, above, as steps of the cell index.
constexpr int Neighbours[] = {Rows, 1, -Rows, -1};

// Marks the group of `kind` around `start` in `mark` (cells set there are taken), with an explicit
// stack: each cell enters it once, so it never holds more than the field's tiles.
template <class Mark>
int FloodFill(const ClicksField& field, int start, std::uint8_t kind, Mark mark) {
  std::array<std::int16_t, FieldTiles> stack;
  int size = 0, count = 0;
  mark(start);
  stack[size++] = static_cast<std::int16_t>(start);
  while (size > 0) {
    const int i = stack[--size];
    ++count;
    for (int step : Neighbours) {
      const int n = i + step;
      if (field.cells[n] == kind && mark(n)) stack[size++] = static_cast<std::int16_t>(n);
    }
  }
  return count;
}

} // namespace

void FillClicksField(ClicksField& field, engine::Generator& rng, int kinds) {
  field = {};
  for (int c = FirstColumn; c <= LastColumn; ++c)
    for (int r = FirstRow; r <= LastRow; ++r)
      field.At(c, r) = static_cast<std::uint8_t>(rng.Random(kinds) + 1);
}

bool HasEqualNeighbour(const ClicksField& field, int c, int r) {
  const std::uint8_t kind = field(c, r);
  if (kind == 0 || c < 1 || c >= ClicksField::Columns - 1 || r < 1 || r >= Rows - 1) return false;
  const int i = ClicksField::Index(c, r);
  for (int step : Neighbours)
    if (field.cells[i + step] == kind) return true;
  return false;
}

int RemoveGroup(ClicksField& field, int c, int r) {
  if (!HasEqualNeighbour(field, c, r)) return 0;
  const std::uint8_t kind = field(c, r);
  // A cell taken is emptied at once, so the fill cannot meet it again.
  return FloodFill(field, ClicksField::Index(c, r), kind, [&field, kind](int i) {
    if (field.cells[i] != kind) return false;
    field.cells[i] = 0;
    return true;
  });
}

bool SettlePass(ClicksField& field) {
  bool moved = false;
  // Top down, so a tile that fell is met again one row lower: the lowest tile of a column
  // reaches the bottom in one pass, the tiles on it follow in the passes after.
  for (int r = FirstRow; r < LastRow; ++r)
    for (int c = FirstColumn; c <= LastColumn; ++c)
      if (field.At(c, r) != 0 && field.At(c, r + 1) == 0) {
        field.At(c, r + 1) = field.At(c, r);
        field.At(c, r) = 0;
        moved = true;
      }
  for (int c = FirstColumn; c < LastColumn; ++c) {
    if (field.At(c, LastRow) != 0) continue;
    bool occupiedRight = false;
    for (int k = c + 1; k <= LastColumn; ++k) occupiedRight = occupiedRight || field.At(k, LastRow);
    if (!occupiedRight && !moved) continue;
    for (int k = c; k < LastColumn; ++k)
      for (int r = FirstRow; r <= LastRow; ++r) field.At(k, r) = field.At(k + 1, r);
    for (int r = FirstRow; r <= LastRow; ++r) field.At(LastColumn, r) = 0;
    moved = true;
  }
  return moved;
}

int CountGroups(const ClicksField& field) {
  std::array<bool, ClicksField::Columns * Rows> visited{};
  int groups = 0;
  for (int c = FirstColumn; c <= LastColumn; ++c)
    for (int r = FirstRow; r <= LastRow; ++r) {
      const int i = ClicksField::Index(c, r);
      if (visited[i] || !HasEqualNeighbour(field, c, r)) continue;
      ++groups;
      FloodFill(field, i, field.cells[i], [&visited](int n) {
        if (visited[n]) return false;
        visited[n] = true;
        return true;
      });
    }
  return groups;
}

int CountTiles(const ClicksField& field) {
  int tiles = 0;
  for (std::uint8_t kind : field.cells) tiles += kind != 0;
  return tiles;
}

} // namespace clicks
