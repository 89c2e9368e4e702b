#include "games/slider/slider_field.h"

namespace slider {

namespace {

enum Step : std::uint8_t { Right, Up, Left, Down };
constexpr Cell Steps[] = {{1, 0}, {0, -1}, {-1, 0}, {0, 1}};
using Order = std::array<Step, 4>;

// The order in which the search tries the neighbours of a cell: first toward the selected tile.
Order OrderToward(Cell from, Cell to) {
  if (to.r == from.r && to.c > from.c) return {Right, Up, Left, Down};
  if (to.r == from.r && to.c < from.c) return {Left, Up, Right, Down};
  if (to.c == from.c && to.r < from.r) return {Up, Left, Right, Down};
  if (to.c == from.c && to.r > from.r) return {Down, Left, Right, Up};
  if (to.c > from.c && to.r < from.r) return {Right, Up, Left, Down};
  if (to.c > from.c && to.r > from.r) return {Right, Down, Left, Up};
  if (to.c < from.c && to.r < from.r) return {Left, Up, Right, Down};
  return {Left, Down, Right, Up}; // below and to the left, or the selected tile itself
}

struct PathSearch {
  const SliderField& field;
  Cell selected;
  SliderPath& path;
  Grid<bool> visited{}; // `SliderVisited`
  bool found = false;   // `SliderPathFound`

  void Visit(Cell at) {
    if (!InField(at.c, at.r) || visited(at)) return;
    if (at == selected)
      found = true;
    else if (field(at) != 0)
      return;
    visited.At(at) = true;
    for (Step step : OrderToward(at, selected)) {
      if (found) break;
      Visit({at.c + Steps[step].c, at.r + Steps[step].r});
    }
    // On the way back every cell of the way found is met, from the selected tile to the target.
    if (found) path.cells[path.length++] = at;
  }
};

// Eight directions, in the order the check follows them.
constexpr Cell Directions[] = {{1, -1}, {0, -1}, {-1, -1}, {1, 0},
                               {-1, 0}, {1, 1},  {0, 1},   {-1, 1}};

// The length of the run from `start` in direction `d`. A run of jokers takes the kind of the
// first other tile it meets; then only that kind and jokers go on.
int RunLength(const SliderField& field, Cell start, Cell d) {
  std::uint8_t kind = field(start);
  int length = 1;
  for (Cell at{start.c + d.c, start.r + d.r};; at = {at.c + d.c, at.r + d.r}, ++length) {
    const std::uint8_t here = field(at);
    if (here == 0) break;
    if (kind == Joker)
      kind = here;
    else if (here != kind && here != Joker)
      break;
  }
  return length;
}

} // namespace

std::uint8_t DrawNextKind(engine::Generator& rng, bool jokers) {
  return static_cast<std::uint8_t>(rng.Random(jokers ? 7 : 6));
}

Cell DrawEmptyCell(const SliderField& field, engine::Generator& rng) {
  Cell cell;
  engine::DrawLimit limit("the draw of an empty cell");
  do {
    limit.Count();
    cell.c = rng.Random(FieldSize) + 1;
    cell.r = rng.Random(FieldSize) + 1;
  } while (field(cell) != 0);
  return cell;
}

void DealSlider(SliderField& field, NextKinds& next, engine::Generator& rng, bool jokers) {
  field = {};
  for (int k = 0; k < StartingTiles; ++k) {
    const Cell cell = DrawEmptyCell(field, rng); // the cell is drawn before the kind
    field.At(cell) = static_cast<std::uint8_t>(DrawNextKind(rng, jokers) + 1);
  }
  for (std::uint8_t& kind : next) kind = DrawNextKind(rng, jokers);
}

bool FindPath(const SliderField& field, Cell target, Cell selected, SliderPath& path) {
  path.length = 0;
  PathSearch search{field, selected, path};
  search.Visit(target);
  return search.found;
}

int MarkLines(const SliderField& field, Grid<bool>& remove) {
  remove = {};
  int marked = 0;
  for (int c = 1; c <= FieldSize; ++c)
    for (int r = 1; r <= FieldSize; ++r) {
      if (field(c, r) == 0) continue;
      for (Cell d : Directions) {
        const int length = RunLength(field, {c, r}, d);
        if (length < LineLength) continue;
        for (int k = 0; k < length; ++k) {
          bool& mark = remove.At({c + k * d.c, r + k * d.r});
          marked += !mark;
          mark = true;
        }
      }
    }
  return marked;
}

int CountTiles(const SliderField& field) {
  int tiles = 0;
  for (std::uint8_t kind : field.cells) tiles += kind != 0;
  return tiles;
}

} // namespace slider
