#include "solve_command.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <iomanip>
#include <memory>
#include <ostream>

#include "platform/clock.h"
#include "seed_option.h"

namespace tool {

namespace {

using engine::SolveStatus;

const char* StatusWord(SolveStatus status) {
  switch (status) {
  case SolveStatus::Winnable:
    return "winnable";
  case SolveStatus::NotWinnable:
    return "not winnable";
  default:
    return "unknown";
  }
}

// Nearest-rank percentile of a sorted, non-empty list.
double Percentile(const std::vector<double>& sorted, int percent) {
  std::size_t rank = (sorted.size() * static_cast<std::size_t>(percent) + 99) / 100;
  return sorted[rank == 0 ? 0 : rank - 1];
}

double Median(const std::vector<double>& sorted) {
  std::size_t n = sorted.size();
  return n % 2 == 1 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
}

// Each deal's time is kept for the percentiles; a million deals is days of searching already.
constexpr int MaxStatsCount = 1'000'000;

struct SolveArgs {
  DealOptions deal;
  int count = 0;
  int budgetMs = DefaultBudgetMs;
  bool moves = false;
};

// "solve LAYOUT --seed N [--winnable] [--vertical] [--budget-ms B] [--moves]": the deal's own
// options go to the deal's parser.
std::string ParseSolveArgs(const std::vector<std::string>& args, SolveArgs& parsed) {
  std::vector<std::string> dealArgs;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--budget-ms") {
      if (++i == args.size() || !ParsePositive(args[i], parsed.budgetMs))
        return "--budget-ms needs a number of milliseconds from 1 to 2147483647";
    } else if (args[i] == "--moves") {
      parsed.moves = true;
    } else {
      dealArgs.push_back(args[i]);
    }
  }
  return ParseDealOptions(dealArgs, true, parsed.deal);
}

// "solve-stats LAYOUT --from N --count K [--winnable] [--vertical] [--budget-ms B]".
std::string ParseStatsArgs(const std::vector<std::string>& args, SolveArgs& parsed) {
  for (std::size_t i = 1; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a == "--from" || a == "--count" || a == "--budget-ms") {
      int& value = a == "--from"    ? parsed.deal.seed
                   : a == "--count" ? parsed.count
                                    : parsed.budgetMs;
      if (++i == args.size() || !ParsePositive(args[i], value))
        return a + " needs a whole number from 1 to 2147483647";
    } else if (a == "--winnable") {
      parsed.deal.winnable = true;
    } else if (a == "--vertical") {
      parsed.deal.vertical = true;
    } else if (a.starts_with("--") || !parsed.deal.layout.empty()) {
      return "unexpected argument \"" + a + "\"";
    } else {
      parsed.deal.layout = a;
    }
  }
  if (parsed.deal.layout.empty()) return "no layout file given";
  if (parsed.deal.seed == 0) return "--from is required";
  if (parsed.count == 0) return "--count is required";
  if (parsed.count > MaxStatsCount)
    return "--count is at most " + std::to_string(MaxStatsCount) + ", one time kept per deal";
  if (parsed.count - 1 > INT_MAX - parsed.deal.seed) return "the game numbers run past 2147483647";
  return {};
}

engine::SolveBudget BudgetOf(const SolveArgs& args) {
  engine::SolveBudget budget;
  budget.milliseconds = static_cast<std::uint32_t>(args.budgetMs);
  return budget;
}

void PrintMs(std::ostream& out, const char* label, double ms) {
  out << label << ' ' << std::fixed << std::setprecision(3) << ms << " ms\n";
}

} // namespace

SolvedDeal SolveNumberedDeal(engine::Solver& solver, engine::GameState& state,
                             const engine::ParsedLayout& layout, const DealOptions& options,
                             engine::SolveBudget budget, engine::SolverTechniques techniques) {
  DealNumberedGame(state, layout, options);
  auto rule = options.vertical ? engine::FreeRule::Vertical : engine::FreeRule::Normal;
  auto start = std::chrono::steady_clock::now();
  solver.Start(state.board, rule, budget, techniques);
  SolvedDeal solved;
  solved.status = solver.Run();
  solved.milliseconds =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  solved.nodes = solver.Nodes();
  return solved;
}

SolveStats SolveDeals(const engine::ParsedLayout& layout, DealOptions options, int count,
                      engine::SolveBudget budget, engine::SolverTechniques techniques) {
  platform::SystemClock clock;
  auto solver = std::make_unique<engine::Solver>(clock);
  auto state = std::make_unique<engine::GameState>();
  SolveStats stats;
  std::vector<double> times;
  const int first = options.seed;
  for (int k = 0; k < count; ++k) {
    options.seed = first + k;
    SolvedDeal solved = SolveNumberedDeal(*solver, *state, layout, options, budget, techniques);
    times.push_back(solved.milliseconds);
    stats.maxNodes = std::max(stats.maxNodes, solved.nodes);
    ++stats.deals;
    stats.winnable += solved.status == SolveStatus::Winnable;
    stats.notWinnable += solved.status == SolveStatus::NotWinnable;
    stats.unknown += solved.status == SolveStatus::Unknown;
  }
  if (times.empty()) return stats;
  std::sort(times.begin(), times.end());
  stats.medianMs = Median(times);
  stats.p90Ms = Percentile(times, 90);
  stats.maxMs = times.back();
  return stats;
}

int Solve(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  const bool stats = args[0] == "solve-stats";
  SolveArgs parsed;
  std::string problem = stats ? ParseStatsArgs(args, parsed) : ParseSolveArgs(args, parsed);
  if (!problem.empty()) {
    err << "pelmar-tool: " << problem << "\n" << Usage;
    return UsageError;
  }
  engine::ParsedLayout layout = ReadLayout(parsed.deal.layout);
  if (ReportIfBroken(parsed.deal.layout, layout, err)) return InvalidInput;

  if (stats) {
    SolveStats s = SolveDeals(layout, parsed.deal, parsed.count, BudgetOf(parsed));
    out << "deals " << s.deals << "\nwinnable " << s.winnable << " (" << std::fixed
        << std::setprecision(1) << 100.0 * s.winnable / s.deals << "%)\nnot winnable "
        << s.notWinnable << "\nunknown " << s.unknown << "\n";
    PrintMs(out, "median", s.medianMs);
    PrintMs(out, "p90", s.p90Ms);
    PrintMs(out, "max", s.maxMs);
    out << "most nodes " << s.maxNodes << "\n";
    return Success;
  }

  platform::SystemClock clock;
  auto solver = std::make_unique<engine::Solver>(clock);
  auto state = std::make_unique<engine::GameState>();
  SolvedDeal solved = SolveNumberedDeal(*solver, *state, layout, parsed.deal, BudgetOf(parsed));
  out << StatusWord(solved.status) << "\nnodes " << solved.nodes << "\n";
  PrintMs(out, "time", solved.milliseconds);
  if (parsed.moves)
    for (const engine::TilePair& pair : solver->Solution())
      out << static_cast<int>(pair.first) << ' ' << static_cast<int>(pair.second) << '\n';
  return Success;
}

} // namespace tool
