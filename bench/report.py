#!/usr/bin/python3
# SPDX-FileCopyrightText: 2026 The Velmoric developers
# SPDX-License-Identifier: MIT
"""Runs every benchmark of a release build and prints one short Markdown table of them, with
the machine it ran on. Needs a display for the click and start-up benchmarks (xvfb-run).
Usage: bench/report.py BUILD_DIR [LAUNCHES]"""
import json
import os
import platform
import re
import subprocess
import sys

build = sys.argv[1]
launches = sys.argv[2] if len(sys.argv) > 2 else "30"
bench = os.path.join(build, "bench")


def run(*command):
    return subprocess.run(command, check=True, capture_output=True, text=True).stdout


def google_benchmark(name):
    output = run(os.path.join(bench, name), "--benchmark_format=json",
                 "--benchmark_repetitions=5", "--benchmark_report_aggregates_only=true")
    results = {}
    for entry in json.loads(output)["benchmarks"]:
        if entry.get("aggregate_name") in ("median", "BigO"):
            results[entry["run_name"] + ":" + entry["aggregate_name"]] = entry
    return results


def table_lines(output):
    return "\n".join(line for line in output.splitlines() if line.startswith("|"))


def cpu():
    for line in open("/proc/cpuinfo"):
        if line.startswith("model name"):
            return line.split(":", 1)[1].strip()
    return platform.processor()


# flow_benchmark interleaves each relation with its floor itself and prints their table.
ratios = table_lines(run(os.path.join(bench, "flow_benchmark")))
text = google_benchmark("number_text_benchmark")
click = run(os.path.join(bench, "click_benchmark"), "-minimumvalue", "2000")
startup = run(os.path.join(bench, "startup_benchmark"), launches)

print(f"Measured on {cpu()}, {os.cpu_count()} cores, {platform.system()} "
      f"{platform.release()}; release build.\n")
print(ratios.strip() + "\n")


def median_ns(name, per=1):
    return text[name + ":median"]["cpu_time"] / per


print("| Conversion | time |\n|---|---|")
print(f"| ReadNumber, a short text | {median_ns('ReadNumberShort', 7):.0f} ns |")
for kind, label in (("Digits", "a million digits"), ("LeadingBlanks", "a million blanks first")):
    name = f"ReadNumberLong<Long::{kind}>/1048576"
    big_o = text[f"ReadNumberLong<Long::{kind}>:BigO"]
    print(f"| ReadNumber, {label} | {median_ns(name) / 1e6:.2f} ms "
          f"(fit: {big_o['cpu_coefficient']:.2f} ns per character, O(N)) |")
print(f"| ReadNumber, 3 characters and a million of junk | "
      f"{median_ns('ReadNumberLong<Long::TrailingJunk>/1000000'):.0f} ns |")
print(f"| ShowNumber, a result | {median_ns('ShowNumberTypical', 7):.0f} ns |\n")

print("| Click of Command1, to the four boxes updated | time |\n|---|---|")
for row, value in re.findall(r'RESULT : ClickBenchmark::click\(\):"(.*?)":\s*\n\s*([0-9.]+) msecs',
                             click):
    print(f"| {row} | {float(value) * 1000:.0f} µs |")
print()
print(table_lines(startup))
