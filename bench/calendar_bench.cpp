// Speed of the calendar conversions the program makes for every date it shows, as ratios
// against a textbook algorithm measured in the same run.
//
// The reference is E. G. Richards' integer algorithm for the Julian and Gregorian calendars
// (Explanatory Supplement to the Astronomical Almanac, 3rd ed., 2013, section 15.11.3,
// Algorithms 3 and 4, with his published parameters). It divides by truncation, so it holds
// for JDN 0 and later; every benchmark therefore converts the same spread of days from JDN 0
// (-4712 Julian) to the end of Gregorian year 9999, and main() first checks that the
// reference and the program agree on all of them, so that both sides do the same work.
//
// Validation is counted on both sides. The program's date-to-JDN conversion checks that the
// day exists (month 1..12, day within the month, 29 February only in a leap year) and that
// the JDN fits in int32_t; the reference does the textbook check (the leap rule and a table
// of month lengths) before Richards' formula. Without it the ratio would set a check against
// nothing. JDN-to-date takes any JDN, so neither side checks there.
//
// Both sides go through one out-of-line call per date on the same DateRec, in place, and keep
// every result alive (benchmark::DoNotOptimize), so that neither loop is vectorised away.
// After all benchmarks have run, main() prints each one's time per date divided by its
// reference's, taking the fastest of several interleaved repetitions so that a busy machine
// slows both sides alike. Gregorian and Julian are set against Richards for the same calendar
// and direction, the Dee calendar (which has no textbook algorithm) against the program's
// Gregorian conversion.
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
constexpr int32_t kFirstJDN = 0;        // -4712-01-01 Julian, where the reference starts
constexpr int32_t kSpanDays = 5373485;  // up to 9999-12-31 Gregorian

// Richards' parameters for the Julian calendar, and the three more for the Gregorian one.
constexpr int64_t kY = 4716, kJ = 1401, kM = 2, kN = 12, kR = 4, kP = 1461, kV = 3, kU = 5,
                  kS = 153, kW = 2;
constexpr int64_t kA = 184, kB = 274277, kC = -38;

template <bool kGregorian>
bool ReferenceIsLeap(int32_t year) {
  return kGregorian ? year % 4 == 0 && (year % 100 != 0 || year % 400 == 0) : year % 4 == 0;
}

// Algorithm 3 after the textbook check that the date exists.
template <bool kGregorian>
[[gnu::noinline]] void ReferenceDateToJDN(DateRec& rec) {
  static constexpr int32_t kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (rec.month < 1 || rec.month > 12 || rec.day < 1 ||
      rec.day > kLengths[rec.month - 1] +
                    (rec.month == 2 && ReferenceIsLeap<kGregorian>(rec.year) ? 1 : 0)) {
    rec.valid = 0;
    return;
  }
  const int64_t h = rec.month - kM;
  const int64_t g = rec.year + kY - (kN - h) / kN;
  const int64_t f = (h - 1 + kN) % kN;
  const int64_t e = (kP * g) / kR + rec.day - 1 - kJ;
  int64_t jdn = e + (kS * f + kW) / kU;
  if (kGregorian) jdn = jdn - (3 * ((g + kA) / 100)) / 4 - kC;
  rec.jdn = static_cast<int32_t>(jdn);
  rec.valid = 1;
}

// Algorithm 4.
template <bool kGregorian>
[[gnu::noinline]] void ReferenceJDNToDate(DateRec& rec) {
  const int64_t jdn = rec.jdn;
  int64_t f = jdn + kJ;
  if (kGregorian) f = f + (((4 * jdn + kB) / 146097) * 3) / 4 + kC;
  const int64_t e = kR * f + kV;
  const int64_t g = (e % kP) / kR;
  const int64_t h = kU * g + kW;
  rec.day = static_cast<int32_t>((h % kS) / kU + 1);
  rec.month = static_cast<int32_t>((h / kS + kM) % kN + 1);
  rec.year = static_cast<int32_t>(e / kP - kY + (kN + kM - rec.month) / kN);
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
  clvt::DeeVariant dee;  // the Dee variant of a Dee row; the others ignore it
};

constexpr Variant kGregorian{"Gregorian", clvt::kCalendarGregorian, clvt::kDeeCecilVariant};
constexpr Variant kJulian{"Julian", clvt::kCalendarJulian, clvt::kDeeCecilVariant};
constexpr Variant kVariants[] = {
    kGregorian,
    kJulian,
    {"Dee", clvt::kCalendarDee, clvt::kDeeVariant},
    {"DeeCecil", clvt::kCalendarDee, clvt::kDeeCecilVariant},
};

// The program's conversions in the Dee variant kDee, through the calendar dispatch as the
// program calls them.
template <const clvt::DeeVariant& kDee>
void ProgramDateToJDN(DateRec& rec) {
  clvt::DateToJDN(rec, kDee);
}
template <const clvt::DeeVariant& kDee>
void ProgramJDNToDate(DateRec& rec) {
  clvt::JDNToDate(rec, kDee);
}

// The dates of the spread in one calendar, with calendar, jdn and valid filled in.
std::vector<DateRec> SpreadDates(const Variant& v) {
  std::vector<DateRec> dates;
  for (int32_t jdn : SpreadJDNs()) {
    DateRec rec{0, 0, 0, v.calendar, jdn, 1};
    clvt::JDNToDate(rec, v.dee);
    dates.push_back(rec);
  }
  return dates;
}

// Whether ToJDN and ToDate give the program's answers for every date of the spread in both
// directions.
template <void (*ToJDN)(DateRec&), void (*ToDate)(DateRec&)>
bool AgreesWithProgram(const Variant& v) {
  for (const DateRec& expected : SpreadDates(v)) {
    DateRec rec{expected.year, expected.month, expected.day, v.calendar, -1, 0};
    ToJDN(rec);
    DateRec back{0, 0, 0, v.calendar, expected.jdn, 1};
    ToDate(back);
    if (rec.valid != 1 || rec.jdn != expected.jdn || back.year != expected.year ||
        back.month != expected.month || back.day != expected.day) {
      std::fprintf(stderr, "%s: the reference and the program disagree at JDN %d\n", v.name,
                   expected.jdn);
      return false;
    }
  }
  return true;
}

// Converts every date of the spread in place with Convert.
template <void (*Convert)(DateRec&)>
void Conversion(benchmark::State& state, const Variant& v) {
  std::vector<DateRec> dates = SpreadDates(v);
  for (auto _ : state) {
    for (DateRec& d : dates) {
      Convert(d);
      benchmark::DoNotOptimize(d);
    }
  }
  state.SetItemsProcessed(state.iterations() * kDates);
}

// Benchmark names are "<direction>/<calendar>" for the program and
// "<direction>/<calendar>/reference" for Richards.
void Register(const std::string& name, void (*run)(benchmark::State&, const Variant&),
              const Variant& v) {
  benchmark::RegisterBenchmark(name.c_str(), run, v)->Repetitions(5);
}

// Keeps the fastest time per date of each benchmark over its repetitions.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.run_type != Run::RT_Iteration || run.iterations == 0) continue;
      const double perDate = run.GetAdjustedCPUTime() / kDates;
      auto [it, added] = fastest_.emplace(run.run_name.function_name, perDate);
      if (!added) it->second = std::min(it->second, perDate);
    }
  }

  // Time per date and ratio to the yardstick of the same direction: Richards for Gregorian
  // and Julian, the program's Gregorian conversion for Dee.
  void PrintRatios() const {
    std::printf("\n%-32s %10s %8s  %s\n", "benchmark", "ns/date", "ratio", "against");
    for (const auto& [name, perDate] : fastest_) {
      if (name.ends_with("/reference")) continue;
      const std::string direction = name.substr(0, name.find('/'));
      const std::string calendar = name.substr(direction.size() + 1);
      // Dee has no textbook algorithm: it is measured against our Gregorian conversion.
      std::string yardstick = direction;
      yardstick += calendar.starts_with("Dee") ? "/Gregorian" : "/" + calendar + "/reference";
      const auto it = fastest_.find(yardstick);
      if (it == fastest_.end()) continue;
      std::printf("%-32s %10.2f %8.2f  %s\n", name.c_str(), perDate, perDate / it->second,
                  yardstick.c_str());
    }
  }

 private:
  std::map<std::string, double> fastest_;
};

}  // namespace

int main(int argc, char** argv) {
  if (!AgreesWithProgram<ReferenceDateToJDN<true>, ReferenceJDNToDate<true>>(kGregorian) ||
      !AgreesWithProgram<ReferenceDateToJDN<false>, ReferenceJDNToDate<false>>(kJulian)) {
    return 1;
  }
  Register("DateToJDN/Gregorian/reference", Conversion<ReferenceDateToJDN<true>>, kGregorian);
  Register("JDNToDate/Gregorian/reference", Conversion<ReferenceJDNToDate<true>>, kGregorian);
  Register("DateToJDN/Julian/reference", Conversion<ReferenceDateToJDN<false>>, kJulian);
  Register("JDNToDate/Julian/reference", Conversion<ReferenceJDNToDate<false>>, kJulian);
  for (const Variant& v : kVariants) {
    const bool dee = v.dee == clvt::kDeeVariant;
    Register(std::string("DateToJDN/") + v.name,
             dee ? Conversion<ProgramDateToJDN<clvt::kDeeVariant>>
                 : Conversion<ProgramDateToJDN<clvt::kDeeCecilVariant>>,
             v);
    Register(std::string("JDNToDate/") + v.name,
             dee ? Conversion<ProgramJDNToDate<clvt::kDeeVariant>>
                 : Conversion<ProgramJDNToDate<clvt::kDeeCecilVariant>>,
             v);
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
