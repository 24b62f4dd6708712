#!/bin/sh
# The desktop program's start-up against the least a Qt Widgets program shows (a window with
# one push button, bench/minimal_window.cpp, built with the same flags), side by side in one
# run under one Xvfb without a window manager:
#
#  - time: from starting the program to its first window exposed (mapped, and asked for its
#    contents) and to the end of that window's first paint, as the same plug-in loaded into
#    both programs reports them (bench/startup_mark.cpp);
#  - processor time: what all threads of the program have spent on a processor by the paint,
#    steadier than the times on a machine busy with other work;
#  - memory: the peak resident size (VmHWM) after the paint.
#
# The programs are started RUNS times each (20 unless set), interleaved and in turns first,
# after one start of each that is not counted; each calvantis starts with a fresh, empty
# settings folder (XDG_CONFIG_HOME), finds its program texts beside itself, and is killed once
# measured, so that it saves nothing. The script prints each program's medians (and the
# quartiles of its times) and its ratios to the yardstick's medians: below 1 is faster or
# smaller. Give further calvantis programs (say one built from an earlier commit, with its
# clvt.dat beside it) to see their ratios measured in the same run.
#
# Usage: bench/startup_bench.sh BUILD [CALVANTIS...]       (packages xvfb and python3)
#        with BUILD an optimised build folder: cmake --preset release && cmake --build --preset
#        release -j2 --target calvantis minimal_window startup_mark; BUILD=build/release
set -eu
[ $# -ge 1 ] || { sed -n '2,22p' "$0"; exit 2; }
build=$1
shift
for tool in python3 Xvfb; do
  command -v "$tool" >/dev/null || { echo "startup_bench: $tool is needed" >&2; exit 2; }
done
for file in "$build/bench/minimal_window" "$build/bench/plugins/generic/libstartup_mark.so" \
  "$build/src/app/calvantis"; do
  [ -e "$file" ] || { echo "startup_bench: $file is missing; build it first" >&2; exit 2; }
done

RUNS=${RUNS:-20} python3 - "$build" "$build/src/app/calvantis" "$@" <<'END'
import os, select, shutil, signal, statistics, subprocess, sys, tempfile, time

build, programs = sys.argv[1], sys.argv[2:]
runs = int(os.environ["RUNS"])
reference = os.path.join(build, "bench", "minimal_window")
for program in programs:
    if not os.path.isfile(os.path.join(os.path.dirname(program), "clvt.dat")):
        sys.exit(f"startup_bench: no clvt.dat beside {program}")
scratch = tempfile.mkdtemp(prefix="startup_bench.")
runtime = os.path.join(scratch, "runtime")
os.mkdir(runtime, 0o700)
null = os.open(os.devnull, os.O_RDWR)

# One X server for all runs; -displayfd names a free display once the server listens.
ready, told = os.pipe()
server = subprocess.Popen(["Xvfb", "-displayfd", str(told), "-screen", "0", "1280x1024x24",
                           "-nolisten", "tcp"], pass_fds=(told,), stdout=null, stderr=null)
os.close(told)
display = b""
while not display.endswith(b"\n"):
    more = os.read(ready, 16)
    if not more:
        sys.exit("startup_bench: Xvfb did not start")
    display += more

MARK_FD = 3
environment = dict(os.environ, DISPLAY=":" + display.decode().strip(), QT_QPA_PLATFORM="xcb",
                   QT_PLUGIN_PATH=os.path.abspath(os.path.join(build, "bench", "plugins")),
                   QT_QPA_GENERIC_PLUGINS="startupmark", STARTUP_MARK_FD=str(MARK_FD),
                   XDG_RUNTIME_DIR=runtime)

def once(program):
    """Milliseconds from start to the first window exposed and to its first paint, processor
    milliseconds by then, and the peak resident KiB then."""
    settings = tempfile.mkdtemp(dir=scratch)
    env = dict(environment, XDG_CONFIG_HOME=settings)
    marks, mark = os.pipe()
    start = time.clock_gettime_ns(time.CLOCK_MONOTONIC)
    pid = os.posix_spawn(program, [program], env, file_actions=[
        (os.POSIX_SPAWN_DUP2, null, 0), (os.POSIX_SPAWN_DUP2, null, 1),
        (os.POSIX_SPAWN_DUP2, null, 2), (os.POSIX_SPAWN_DUP2, mark, MARK_FD)])
    os.close(mark)
    told = b""
    try:
        while told.count(b"\n") < 2:
            if not select.select([marks], [], [], 30)[0]:
                sys.exit(f"startup_bench: {program} painted no window within 30 seconds")
            more = os.read(marks, 128)
            if not more:
                sys.exit(f"startup_bench: {program} ended before it painted a window")
            told += more
        with open(f"/proc/{pid}/status") as status:
            peak = next(int(l.split()[1]) for l in status if l.startswith("VmHWM:"))
    finally:
        os.kill(pid, signal.SIGKILL)
        os.waitpid(pid, 0)
        os.close(marks)
        shutil.rmtree(settings)
    (exposed, _), (painted, cpu) = (map(int, line.split()) for line in told.splitlines())
    return (exposed - start) / 1e6, (painted - start) / 1e6, cpu / 1e6, peak

sides = [reference] + programs
results = {side: [] for side in sides}
try:
    for side in sides:
        once(side)  # caches warm, fontconfig's included
    for run in range(runs):
        for i in range(len(sides)):
            side = sides[(run + i) % len(sides)]
            results[side].append(once(side))
finally:
    server.terminate()
    server.wait()
    shutil.rmtree(scratch)

def medians(side):
    return [statistics.median(column) for column in zip(*results[side])]

def quartiles(side, column):
    q = statistics.quantiles([result[column] for result in results[side]], n=4)
    return f"{q[0]:.1f}-{q[2]:.1f}"

base = medians(reference)
print(f"{runs} runs each, interleaved; medians (quartiles) of the times from the start to the "
      "first window exposed and to its first paint, the processor time by then, the peak memory")
for side in sides:
    exposed, painted, cpu, kib = medians(side)
    name = "minimal Qt window" if side == reference else "calvantis"
    print(f"{name:18} exposed {exposed:5.1f} ms ({quartiles(side, 0)}), painted {painted:5.1f} ms "
          f"({quartiles(side, 1)}), processor {cpu:5.1f} ms, peak {kib / 1024:4.1f} MiB  {side}")
    if side != reference:
        print(f"    ratios: time to exposed {exposed / base[0]:.2f}, to painted "
              f"{painted / base[1]:.2f}, processor time {cpu / base[2]:.2f}, "
              f"memory {kib / base[3]:.2f}")
END
