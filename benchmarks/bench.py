#!/usr/bin/python3
"""Runs every benchmark and prints one summary table with the targets.

    bench.py <build dir> [runs]

The fresh-clone times come from fresh_clone.sh; speed from Google
Benchmark; start-up time and peak memory from starting the calculator and a bare Qt window alternately on a virtual X
display (Xvfb, no window manager); the command line's log conversion from
log_benchmark; accuracy from accuracy_report."""

import json
import os
import platform
import statistics
import subprocess
import sys
import time

build = sys.argv[1]
runs = int(sys.argv[2]) if len(sys.argv) > 2 else 11
bench = os.path.join(build, "benchmarks")
program = os.path.join(build, "window", "dewpoint-converter")
command_line = os.path.join(build, "cli", "dewpoint")


def google_benchmark(executable):
    output = subprocess.run([os.path.join(bench, executable), "--benchmark_format=json",
                             "--benchmark_min_time=1", "--benchmark_repetitions=3",
                             "--benchmark_report_aggregates_only=true"],
                            check=True, capture_output=True, text=True).stdout
    results = {}
    for entry in json.loads(output)["benchmarks"]:
        if entry.get("aggregate_name") == "median":
            scale = {"ns": 1e-9, "us": 1e-6, "ms": 1e-3, "s": 1.0}[entry["time_unit"]]
            results[entry["run_name"]] = entry["real_time"] * scale
    return results


def start_up():
    display = ":%d" % (150 + os.getpid() % 50)
    xvfb = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    time.sleep(1)
    environment = dict(os.environ, DISPLAY=display)
    environment.pop("QT_QPA_PLATFORM", None)
    samples = {"bare": [], "program": []}
    try:
        for _ in range(runs):
            for name, path in (("bare", os.path.join(bench, "hello_window")), ("program", program)):
                output = subprocess.run([os.path.join(bench, "map_timer"), path], env=environment,
                                        check=True, capture_output=True, text=True).stdout.split()
                samples[name].append((float(output[0]), int(output[1])))
    finally:
        xvfb.terminate()
        xvfb.wait()
    return {name: (statistics.median(t for t, _ in values), statistics.median(kb for _, kb in values))
            for name, values in samples.items()}


# First, while the machine is otherwise quiet: a newcomer's wait in a fresh clone.
fresh = dict(line.split() for line in subprocess.run(
    [os.path.join(os.path.dirname(os.path.abspath(__file__)), "fresh_clone.sh")],
    check=True, capture_output=True, text=True).stdout.splitlines())
engine = google_benchmark("engine_benchmarks")
window = google_benchmark("window_benchmarks")
startup = start_up()
log = dict(line.split() for line in subprocess.run(
    [os.path.join(bench, "log_benchmark"), command_line], check=True, capture_output=True, text=True).stdout.splitlines())
log_rate = float(log["log_rows_per_second"])
bare_rate = float(log["bare_rows_per_second"])
summary_rate = float(log["summary_rows_per_second"])
log_peak_mb = int(log["peak_kb_10m_rows"]) / 1024
accuracy = subprocess.run([os.path.join(bench, "accuracy_report")], check=True,
                          capture_output=True, text=True).stdout

bare_ms, bare_kb = startup["bare"]
program_ms, program_kb = startup["program"]
rows = [
    ("First make run of a fresh clone, to the built window (load %s)" % fresh["fresh_make_run_load"],
     "%.1f s" % float(fresh["fresh_make_run_s"]), "< 20 s", float(fresh["fresh_make_run_s"]) < 20),
    ("make test of a fresh clone, build included (load %s)" % fresh["fresh_make_test_load"],
     "%.0f s" % float(fresh["fresh_make_test_s"]), "", None),
    ("One conversion", "%.0f ns" % (engine["Conversion"] * 1e9), "", None),
    ("One read-out text", "%.0f ns" % (engine["ReadOutText"] * 1e9), "", None),
    ("One conversion with its text", "%.0f ns" % (engine["ConversionWithText"] * 1e9), "< 500 ns",
     engine["ConversionWithText"] < 500e-9),
    ("Whole grid, 963,202 states", "%.0f ms" % (engine["WholeGrid"] * 1e3), "", None),
    ("Pressure bar moved: labels and read-out updated", "%.1f µs" % (window["PressureHandler"] * 1e6),
     "< 100 µs", window["PressureHandler"] < 100e-6),
    ("Sensor bar moved: labels and read-out updated", "%.1f µs" % (window["SensorHandler"] * 1e6),
     "< 100 µs", window["SensorHandler"] < 100e-6),
    ("Sensor bar moved: window repainted", "%.1f µs" % (window["SensorHandlerAndRepaint"] * 1e6), "", None),
    ("Start-up to window mapped (median of %d)" % runs,
     "%.1f ms vs %.1f ms bare = %.2f×" % (program_ms, bare_ms, program_ms / bare_ms), "≤ 1.15×",
     program_ms <= 1.15 * bare_ms),
    ("Peak resident memory (median of %d)" % runs,
     "%.1f MB vs %.1f MB bare = +%.1f MB" % (program_kb / 1024, bare_kb / 1024, (program_kb - bare_kb) / 1024),
     "≤ +4 MB", program_kb - bare_kb <= 4 * 1024),
    ("dewpoint --csv, 1,000,000-row log", "%.2f million rows/s" % (log_rate / 1e6), "≥ 1.5 million rows/s",
     log_rate >= 1.5e6),
    ("... against the bare conversion loop", "%.2f × (%.2f million rows/s)" % (log_rate / bare_rate, bare_rate / 1e6),
     "≥ 0.5×", log_rate >= 0.5 * bare_rate),
    ("... with --summary", "%.2f million rows/s, %.0f %% slower" % (summary_rate / 1e6, 100 * (1 - summary_rate / log_rate)),
     "≤ 15 % slower", summary_rate >= 0.85 * log_rate),
    ("dewpoint --csv, peak memory for 10,000,000 rows", "%.1f MB" % log_peak_mb, "< 16 MB",
     log_peak_mb < 16 and log["program_status"] == "0"),
]

def cpu_model():
    with open("/proc/cpuinfo") as cpuinfo:
        for line in cpuinfo:
            if line.startswith("model name"):
                return line.split(":", 1)[1].strip()
    return platform.machine()


print("Machine: %s, %d cores, %s" % (cpu_model(), os.cpu_count(), platform.platform(terse=True)))
print()
print("| Measure | Result | Target | Met |")
print("|---|---|---|---|")
for measure, result, target, met in rows:
    print("| %s | %s | %s | %s |" % (measure, result, target, "" if met is None else ("yes" if met else "NO")))
print()
print("Deviation of the read-out from the exact inversion of the same formulas:")
print()
print(accuracy, end="")
missed = [measure for measure, _, _, met in rows if met is False]
print()
print("Targets missed: " + ("; ".join(missed) if missed else "none"))
