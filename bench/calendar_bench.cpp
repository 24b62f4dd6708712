// Speed of the calendar conversions the program makes for every date it shows, measured
// against a textbook Gregorian conversion run in the same process. Each benchmark converts
// the same spread of days (years about -10,000 to 10,000); after all have run, main() prints
// each one's time per date divided by the reference's for the same direction, taking the
// fastest of several interleaved repetitions so that a busy machine slows both sides alike.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

#include "calendar/calendar.h"

namespace {

constexpr int kDates = 4096;
constexpr int32_t kFirstJDN = -1931000;  // about -10,000-01-01 Gregorian
constexpr int32_t kSpanDays = 7305000;   // about 20,000 years

// The reference: H. Hinnant's days_from_civil / civil_from_days, shifted from the Unix epoch
// (JDN 2,440,588) to Julian day numbers. Kept out of line so that it pays one call per date,
// as the library's functions do, instead of being vectorised into the loop.
constexpr int64_t kUnixEpochJDN = 2440588;

[[gnu::noinline]] int32_t ReferenceToJDN(int32_t year, int32_t month, int32_t day) {
  const int64_t y = int64_t{year} - (month <= 2 ? 1 : 0);
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;                                      // [0, 399]
  const int64_t doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;  // [0, 365]
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;              // [0, 146096]
  return static_cast<int32_t>(era * 146097 + doe - 719468 + kUnixEpochJDN);
}

[[gnu::noinline]] void ReferenceFromJDN(int32_t jdn, DateRec& rec) {
  const int64_t z = int64_t{jdn} - kUnixEpochJDN + 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;                                   // [0, 146096]
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;  // [0, 399]
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);            // [0, 365]
  const int64_t mp = (5 * doy + 2) / 153;                                 // [0, 11]
  const int64_t month = mp < 10 ? mp + 3 : mp - 9;
  rec.day = static_cast<int32_t>(doy - (153 * mp + 2) / 5 + 1);
  rec.month = static_cast<int32_t>(month);
  rec.year = static_cast<int32_t>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

// Days spread over the span by a fixed linear congruential sequence, the same in every run.
std::vector<int32_t> SpreadJDNs() {
  std::vector<int32_t> jdns(kDates);
  uint32_t state = 12345;
  for (int32_t& jdn : jdns) {
    state = state * 1664525u + 1013904223u;
    jdn = kFirstJDN + static_cast<int32_t>(state % kSpanDays);
  }
  return jdns;
}

struct Variant {
  const char* name;
  int32_t calendar;
  int32_t epoch;
};

constexpr Variant kVariants[] = {
    {"Gregorian", clvt::kCalendarGregorian, 0},
    {"Julian", clvt::kCalendarJulian, 0},
    {"Dee", clvt::kCalendarDee, clvt::kDeeEpochJDN},
    {"DeeCecil", clvt::kCalendarDee, clvt::kDeeCecilEpochJDN},
};

// The dates of the spread in one calendar, with calendar and jdn filled in.
std::vector<DateRec> SpreadDates(const Variant& v) {
  clvt::lngDeeEpochJDN = v.epoch;
  std::vector<DateRec> dates;
  for (int32_t jdn : SpreadJDNs()) {
    DateRec rec{0, 0, 0, v.calendar, jdn, 0};
    clvt::JDNToDate(rec);
    dates.push_back(rec);
  }
  return dates;
}

void ReferenceDateToJDN(benchmark::State& state) {
  const std::vector<DateRec> dates = SpreadDates(kVariants[0]);
  for (auto _ : state) {
    for (const DateRec& d : dates) benchmark::DoNotOptimize(ReferenceToJDN(d.year, d.month, d.day));
  }
  state.SetItemsProcessed(state.iterations() * kDates);
}

void ReferenceJDNToDate(benchmark::State& state) {
  const std::vector<int32_t> jdns = SpreadJDNs();
  DateRec rec;
  for (auto _ : state) {
    for (int32_t jdn : jdns) {
      ReferenceFromJDN(jdn, rec);
      benchmark::DoNotOptimize(rec);
    }
  }
  state.SetItemsProcessed(state.iterations() * kDates);
}

// Converts every date of the spread in place with Convert (clvt::DateToJDN or
// clvt::JDNToDate), a template argument so that the dispatch is compiled in as in the program.
template <void (*Convert)(DateRec&)>
void Conversion(benchmark::State& state, const Variant& v) {
  std::vector<DateRec> dates = SpreadDates(v);
  clvt::lngDeeEpochJDN = v.epoch;
  for (auto _ : state) {
    for (DateRec& d : dates) {
      Convert(d);
      benchmark::DoNotOptimize(d);
    }
  }
  state.SetItemsProcessed(state.iterations() * kDates);
}

// Keeps the fastest time per date of each benchmark over its repetitions.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
      const double perDate = run.GetAdjustedCPUTime() / kDates;
      const std::string name = run.run_name.function_name;
      auto [it, added] = fastest_.emplace(name, perDate);
      if (!added) it->second = std::min(it->second, perDate);
    }
  }

  // Time per date and ratio to the reference of the same direction.
  void PrintRatios() const {
    std::printf("\n%-28s %10s %10s\n", "benchmark", "ns/date", "ratio");
    for (const auto& [name, perDate] : fastest_) {
      const bool toJDN = name.find("DateToJDN") != std::string::npos;
      const auto reference = fastest_.find(toJDN ? "ReferenceDateToJDN" : "ReferenceJDNToDate");
      if (reference == fastest_.end()) continue;
      std::printf("%-28s %10.2f %10.2f\n", name.c_str(), perDate, perDate / reference->second);
    }
  }

 private:
  std::map<std::string, double> fastest_;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::RegisterBenchmark("ReferenceDateToJDN", ReferenceDateToJDN)->Repetitions(5);
  benchmark::RegisterBenchmark("ReferenceJDNToDate", ReferenceJDNToDate)->Repetitions(5);
  for (const Variant& v : kVariants) {
    benchmark::RegisterBenchmark((std::string("DateToJDN/") + v.name).c_str(),
                                 Conversion<clvt::DateToJDN>, v)
        ->Repetitions(5);
    benchmark::RegisterBenchmark((std::string("JDNToDate/") + v.name).c_str(),
                                 Conversion<clvt::JDNToDate>, v)
        ->Repetitions(5);
  }
  // Interleave the repetitions of all benchmarks so that a burst of load elsewhere on the
  // machine does not fall on one benchmark's repetitions only; options given on the command
  // line come later and win.
  std::vector<char*> args(argv, argv + argc);
  char interleave[] = "--benchmark_enable_random_interleaving=true";
  args.insert(args.begin() + 1, interleave);
  int count = static_cast<int>(args.size());
  benchmark::Initialize(&count, args.data());
  if (benchmark::ReportUnrecognizedArguments(count, args.data())) return 1;
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
