// Speed of one 800-day date sequence run: the pure builder alone (what `clvt sequence` computes),
// and the whole "Do it" of the window shown on the offscreen platform, with the layout and
// painting of its text box that the run causes. Besides, a 14-day run appended to a listing of
// 680 days, which reads the whole listing for its capacity checks. Each is reported as a ratio
// to copying the same text into a fresh std::string, measured in the same process, so a busy
// machine scales them all; the window's runs also as a ratio to the builder's.
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
// A shown date sequence window whose "Do it" lists days days.
class SequenceWindow {
 public:
  SequenceWindow() : window_(host_, messages_, clipboard_) {
    host_.jdn = kStartJDN;
    window_.show();
    Settle();
  }
  // One "Do it", and the layout and painting it causes.
  void Run(int days) {
    window_.findChild<QLineEdit*>("txbNumDays")->setText(QString::number(days));
    window_.cmdDoIt_Click();
    Settle();
  }
  void Clear() {
    window_.cmdClear_Click();
    Settle();
  }

 private:
  static void Settle() { QApplication::processEvents(); }

  clvt::FakeListingHost host_;
  clvt::RecordingMessageBoxes messages_;
  clvt::RecordingClipboard clipboard_;
  clvt::DateSequenceWindow window_;
};

void WindowRun(benchmark::State& state) {
  SequenceWindow window;
  for (auto _ : state) {
    state.PauseTiming();
    window.Clear();
    state.ResumeTiming();
    window.Run(kDays);
  }
}
BENCHMARK(WindowRun)->Unit(benchmark::kMillisecond);

void WindowShortRunOnLongListing(benchmark::State& state) {
  constexpr int kHeldDays = 680;  // about 55,000 characters, below the capacity
  constexpr int kShortRunDays = 14;
  SequenceWindow window;
  for (auto _ : state) {
    state.PauseTiming();
    window.Clear();
    window.Run(kHeldDays);
    state.ResumeTiming();
    window.Run(kShortRunDays);
  }
}
BENCHMARK(WindowShortRunOnLongListing)->Unit(benchmark::kMillisecond);
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
    const auto builder = nanoseconds_.find("BuilderRun");
    const auto window = nanoseconds_.find("WindowRun");
    if (builder != nanoseconds_.end() && window != nanoseconds_.end() && builder->second > 0) {
      std::cout << "WindowRun / BuilderRun = " << window->second / builder->second << "\n";
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
