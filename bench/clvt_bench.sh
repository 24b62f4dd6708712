#!/bin/sh
# clvt as a whole process against GNU date, side by side in one run, printed as ratios (clvt's
# time divided by date's, so below 1 is faster):
#
#  - start-up: "clvt convert '2015-11-22 CE'" against "date -d 2015-11-22 +%A", each started
#    RUNS times, alternately;
#  - batch throughput: "clvt convert --calendar gregorian -" (text, then --json) against
#    "date -f FILE +%F" on the same 100,000 Gregorian dates (YYYY-MM-DD, years 1600 to 2399);
#  - memory: clvt's peak resident size reading 10,000 and 100,000 lines, which must be the
#    same: the lines are streamed, not gathered (measured with GNU time, package time).
#
# Each time is the fastest of REPEATS interleaved repetitions, so that a machine busy with
# other work slows both sides alike and cannot fake a speed-up. Give a second clvt (say one
# built from an earlier commit) to see its ratios beside the first one's.
#
# Usage: bench/clvt_bench.sh CLVT [OTHER_CLVT]     (use an optimised build: cmake --preset
#        release && cmake --build build/release --target clvt; CLVT=build/release/src/cli/clvt)
set -eu
[ $# -ge 1 ] || { sed -n '2,17p' "$0"; exit 2; }
command -v python3 >/dev/null || { echo "clvt_bench: python3 is needed" >&2; exit 2; }
date -d 2015-11-22 +%F >/dev/null 2>&1 || { echo "clvt_bench: GNU date is needed" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The same dates for both sides, made by a fixed linear congruential generator; days 1 to 28
# exist in every month.
awk 'BEGIN {
  x = 12345
  for (i = 0; i < 100000; i++) {
    x = (x * 1103515245 + 12345) % 2147483648; y = 1600 + x % 800
    x = (x * 1103515245 + 12345) % 2147483648; m = 1 + x % 12
    x = (x * 1103515245 + 12345) % 2147483648; d = 1 + x % 28
    printf "%04d-%02d-%02d\n", y, m, d
  }
}' > "$work/dates.txt"
head -n 10000 "$work/dates.txt" > "$work/dates_10k.txt"

LC_ALL=C RUNS=${RUNS:-300} REPEATS=${REPEATS:-5} python3 - "$work" "$@" <<'END'
import os, subprocess, sys, time

work, clvts = sys.argv[1], sys.argv[2:]
runs, repeats = int(os.environ["RUNS"]), int(os.environ["REPEATS"])
dates = os.path.join(work, "dates.txt")
null = os.open(os.devnull, os.O_RDWR)

def once(argv, stdin):
    """Seconds of one run of argv, started without a shell, its output discarded."""
    given = os.open(stdin or os.devnull, os.O_RDONLY)
    start = time.perf_counter()
    pid = os.posix_spawnp(argv[0], argv, os.environ, file_actions=[
        (os.POSIX_SPAWN_DUP2, given, 0), (os.POSIX_SPAWN_DUP2, null, 1),
        (os.POSIX_SPAWN_DUP2, null, 2)])
    os.waitpid(pid, 0)
    seconds = time.perf_counter() - start
    os.close(given)
    return seconds

def fastest(sides, stdin=None, times=1):
    """Each side's time for `times` runs, the runs of all sides interleaved one by one; the
    fastest of `repeats` such rounds."""
    best = [float("inf")] * len(sides)
    for _ in range(repeats):
        total = [0.0] * len(sides)
        for _ in range(times):
            for i, argv in enumerate(sides):
                total[i] += once(argv, stdin)
        best = [min(b, t) for b, t in zip(best, total)]
    return best

def peak_kib(argv, stdin):
    """Peak resident size of one run, in KiB, as GNU time (package time) reports it."""
    with open(stdin, "rb") as given:
        report = subprocess.run(["/usr/bin/time", "-f", "%M", *argv], stdin=given,
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True)
    return report.stderr.split()[-1]

for clvt in clvts:
    print(f"== {clvt}")
    startup = fastest([[clvt, "convert", "2015-11-22 CE"], ["date", "-d", "2015-11-22", "+%A"]],
                      times=runs)
    print(f"start-up, {runs} runs:  clvt {startup[0] / runs * 1e3:.3f} ms, "
          f"date {startup[1] / runs * 1e3:.3f} ms, ratio {startup[0] / startup[1]:.2f}")
    batch = fastest([[clvt, "convert", "--calendar", "gregorian", "-"],
                     [clvt, "convert", "--json", "--calendar", "gregorian", "-"],
                     ["date", "-f", dates, "+%F"]], stdin=dates)
    for name, seconds in (("text", batch[0]), ("JSON", batch[1])):
        print(f"batch, 100,000 dates, {name}:  clvt {seconds:.3f} s, date {batch[2]:.3f} s, "
              f"ratio {seconds / batch[2]:.2f} ({batch[2] / seconds:.2f} x date's throughput)")
    if os.access("/usr/bin/time", os.X_OK):
        json = [clvt, "convert", "--json", "--calendar", "gregorian", "-"]
        print(f"peak memory:  {peak_kib(json, os.path.join(work, 'dates_10k.txt'))} KiB for "
              f"10,000 lines, {peak_kib(json, dates)} KiB for 100,000 lines")
END
