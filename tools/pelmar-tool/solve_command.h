#pragma once

#include <cstdint>
#include <iosfwd>
#include <string>
#include <vector>

#include "engine/solver.h"
#include "tool_commands.h"

namespace tool {

// A search is given this long unless --budget-ms says otherwise.
constexpr int DefaultBudgetMs = 1000;

struct SolvedDeal {
  engine::SolveStatus status = engine::SolveStatus::Unknown;
  std::uint64_t nodes = 0;
  double milliseconds = 0; // the search alone, not the deal
};

// Deals the layout as numbered game options.seed and solves it by the rule options.vertical
// names. The state and the solver are the caller's, to be reused from deal to deal.
SolvedDeal SolveNumberedDeal(engine::Solver& solver, engine::GameState& state,
                             const engine::ParsedLayout& layout, const DealOptions& options,
                             engine::SolveBudget budget, engine::SolverTechniques techniques = {});

// What solving a run of numbered deals found.
struct SolveStats {
  int deals = 0, winnable = 0, notWinnable = 0, unknown = 0;
  double medianMs = 0, p90Ms = 0, maxMs = 0;
  std::uint64_t maxNodes = 0;
};

// Solves the deals numbered from options.seed on, `count` of them.
SolveStats SolveDeals(const engine::ParsedLayout& layout, DealOptions options, int count,
                      engine::SolveBudget budget, engine::SolverTechniques techniques = {});

// The "solve" and "solve-stats" commands.
int Solve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err);

} // namespace tool
