// Speed of one 800-day date sequence run: the pure builder alone, and the whole "Do it" of the
// window with its text box (offscreen). Each is reported as a ratio to copying the same text
// into a fresh std::string, measured in the same process, so a busy machine scales all three.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <iostream>
#include <map>
#include <string>

#include "calendar/calendar.h"
#include "platform/digit_grouping.h"
#include "sequence/sequence_listing.h"

#ifdef CLVT_BENCH_WINDOW
#include <QApplication>
#include <QLineEdit>

#include "doubles/fake_listing_host.h"
#include "doubles/recording_clipboard.h"
#include "doubles/recording_message_boxes.h"
#include "sequence/date_sequence_window.h"
#endif

namespace {

constexpr int32_t kStartJDN = 2457349;  // 2015-11-22
constexpr int kDays = 800;

class SilentMessages : public clvt::MessageBoxes {
 public:
  bool Show(const clvt::Message& /*message*/) override { return true; }
};

clvt::SequenceRun Run() {
  clvt::SequenceRequest request;
  request.numberBox = std::to_string(kDays);
  request.start = [] { return kStartJDN; };
  SilentMessages silent;
  return clvt::RunDateSequence(request, silent);
}

void ReferenceStringCopy(benchmark::State& state) {
  const std::string text = Run().text;
  for (auto _ : state) {
    std::string copy = text;
    benchmark::DoNotOptimize(copy.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(ReferenceStringCopy);

void BuilderRun(benchmark::State& state) {
  for (auto _ : state) {
    clvt::SequenceRun run = Run();
    benchmark::DoNotOptimize(run.text.data());
  }
}
BENCHMARK(BuilderRun);

#ifdef CLVT_BENCH_WINDOW
void WindowRun(benchmark::State& state) {
  clvt::FakeListingHost host;
  host.jdn = kStartJDN;
  clvt::RecordingMessageBoxes messages;
  clvt::RecordingClipboard clipboard;
  clvt::DateSequenceWindow window(host, messages, clipboard);
  window.findChild<QLineEdit*>("txbNumDays")->setText(QString::number(kDays));
  for (auto _ : state) {
    window.cmdClear_Click();
    window.cmdDoIt_Click();
  }
}
BENCHMARK(WindowRun)->Unit(benchmark::kMillisecond);
#endif

// Keeps each benchmark's CPU time per iteration (steadier than wall time on a shared
// machine) so that the ratios can be printed at the end.
class RatioReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
      if (run.iterations > 0) {
        nanoseconds_[run.benchmark_name()] =
            run.GetAdjustedCPUTime() * benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
            benchmark::GetTimeUnitMultiplier(run.time_unit);
      }
    }
  }
  void PrintRatios() const {
    const auto reference = nanoseconds_.find("ReferenceStringCopy");
    if (reference == nanoseconds_.end() || reference->second <= 0) return;
    for (const auto& [name, ns] : nanoseconds_) {
      if (name == reference->first) continue;
      std::cout << name << " / ReferenceStringCopy = " << ns / reference->second << "\n";
    }
  }

 private:
  std::map<std::string, double> nanoseconds_;
};

}  // namespace

int main(int argc, char** argv) {
  clvt::OverrideNumberSymbols(",");
#ifdef CLVT_BENCH_WINDOW
  if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
  QApplication app(argc, argv);
#endif
  benchmark::Initialize(&argc, argv);
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  reporter.PrintRatios();
  benchmark::Shutdown();
  return 0;
}
