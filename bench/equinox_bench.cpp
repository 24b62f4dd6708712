// Cost of one line of the vernal equinox table against one evaluation of the 24-term periodic
// sum, both measured in this run, so that a busy machine cannot fake a speed-up. A line costs
// the sum, two cosines, Delta T, two calendar conversions and the text.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "calendar/calendar.h"
#include "equinox/equinox.h"
#include "equinox/equinox_table.h"
#include "platform/digit_grouping.h"

namespace {

constexpr int kYears = 800;  // the most one run takes; years 1..800 fit the table

class SilentMessages : public clvt::MessageBoxes {
 public:
  bool Show(const clvt::Message& /*message*/) override { return true; }
};

void PeriodicSum(benchmark::State& state) {
  double t = -0.5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(clvt::EquinoxPeriodicSum(t));
    t += 1e-6;
  }
}
BENCHMARK(PeriodicSum);

void Table800Years(benchmark::State& state) {
  SilentMessages messages;
  clvt::EquinoxRequest request;
  request.numberBox = "800";
  request.start = [] { return 1; };
  for (auto _ : state) {
    clvt::EquinoxRun run = clvt::RunVernalEquinoxes(request, messages);
    benchmark::DoNotOptimize(run.text.data());
  }
  state.counters["lines"] = kYears;
}
BENCHMARK(Table800Years);

// Keeps the CPU time per iteration of every benchmark for the ratio printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.iterations > 0) nanoseconds[run.benchmark_name()] = run.GetAdjustedCPUTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> nanoseconds;
};

}  // namespace

int main(int argc, char** argv) {
  clvt::OverrideNumberSymbols(",", ".");
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  const double sum = reporter.nanoseconds["PeriodicSum"];
  const double table = reporter.nanoseconds["Table800Years"];
  if (sum > 0 && table > 0) {
    std::printf("one table line = %.1f periodic sums (%.0f ns per line, %.0f ns per sum)\n",
                table / kYears / sum, table / kYears, sum);
  }
  benchmark::Shutdown();
  return 0;
}
