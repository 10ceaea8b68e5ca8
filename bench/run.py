#!/usr/bin/env python3
"""Corvane's benchmarks, on Qt's offscreen platform; prints one table.

  start-up   instructions (callgrind), wall time from process start to the window
             shown, peak resident memory: Corvane against a bare Qt window with five
             tabs, alternating, medians, as ratios
  encode     each page's encode button, click to job script launched (stand-in
             terminal), median of the clicks
  probe      x264 Auto-detect against `mediainfo --Inform="Video;%FrameRate%"` on a
             generated ~1 GB .mkv and .ts (stream copies of a testsrc clip), medians
  library    the first "i" press (library loaded) against the second

Builds bench/'s programs in the build folder first (Release when it configures it).
Everything it makes goes into one temporary folder, removed at the end; the user's
settings and temporary folder are not touched.
"""
import argparse
import os
import re
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
STAND_IN_TERMINAL = os.path.join(ROOT, "bench", "stand-in-terminal.sh")
PAGES = ("x264", "x265", "dv", "audio")


def build(folder):
    if not os.path.exists(os.path.join(folder, "CMakeCache.txt")):
        subprocess.run(["cmake", "-S", ROOT, "-B", folder, "-DCMAKE_BUILD_TYPE=Release"],
                       check=True, stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", folder, "-j2", "--target", "corvane_bench", "bare_window"],
                   check=True, stdout=subprocess.DEVNULL)
    return (os.path.join(folder, "bench", "corvane_bench"), os.path.join(folder, "bench", "bare_window"))


def environment(tmp):
    env = dict(os.environ)
    for name in ("config", "runtime", "scripts"):
        os.makedirs(os.path.join(tmp, name), mode=0o700)
    env.update(QT_QPA_PLATFORM="offscreen",
               XDG_CONFIG_HOME=os.path.join(tmp, "config"),
               XDG_RUNTIME_DIR=os.path.join(tmp, "runtime"),
               TMPDIR=os.path.join(tmp, "scripts"),
               TERMINAL=STAND_IN_TERMINAL,
               CORVANE_BENCH_LAUNCHES=os.path.join(tmp, "launches"))
    return env


def run_checked(cmd, env, **kw):
    r = subprocess.run(cmd, env=env, capture_output=True, text=True, **kw)
    if r.returncode != 0:
        sys.exit(f"{' '.join(cmd)} failed ({r.returncode}):\n{r.stderr}")
    return r


# ---- start-up ----

def shown(cmd, env):
    """Wall time from process start to the window shown (ns) and peak RSS (KiB)."""
    start = time.monotonic_ns()
    p = subprocess.Popen(cmd, env=env, stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    out = p.stdout.read()
    _, status, usage = os.wait4(p.pid, 0)
    p.returncode = os.waitstatus_to_exitcode(status)
    m = re.search(r"shown_ns=(\d+)", out)
    if p.returncode != 0 or not m:
        sys.exit(f"{cmd[0]} did not show its window ({p.returncode})")
    return int(m.group(1)) - start, usage.ru_maxrss


def instructions(cmd, env):
    r = run_checked(["valgrind", "--tool=callgrind", "--callgrind-out-file=/dev/null"] + cmd, env)
    return int(re.search(r"Collected : (\d+)", r.stderr).group(1))


def startup(corvane, bare, env, runs):
    programs = {"corvane": [corvane, "startup"], "bare": [bare]}
    for cmd in programs.values():
        shown(cmd, env)  # warm caches; Corvane's first run also leaves its settings
    wall = {k: [] for k in programs}
    rss = {k: [] for k in programs}
    ir = {k: [] for k in programs}
    for _ in range(runs):
        for name, cmd in programs.items():
            w, r = shown(cmd, env)
            wall[name].append(w)
            rss[name].append(r)
    for _ in range(runs):
        for name, cmd in programs.items():
            ir[name].append(instructions(cmd, env))
    med = statistics.median
    return [
        ratio_row("start-up instructions (callgrind)", med(ir["corvane"]), med(ir["bare"]),
                  lambda v: f"{v / 1e6:.1f} M", 1.5, f"<= 1.5x"),
        ratio_row("start-up wall, start to window shown", med(wall["corvane"]), med(wall["bare"]),
                  lambda v: f"{v / 1e6:.1f} ms", None, "(noisy)"),
        ratio_row("start-up peak RSS", med(rss["corvane"]), med(rss["bare"]),
                  lambda v: f"{v / 1024:.1f} MiB", 1.15, "<= 1.15x"),
    ]


# ---- encode ----

def encode(corvane, env, tmp, clicks):
    folder = os.path.join(tmp, "encode")
    os.mkdir(folder)
    out = run_checked([corvane, "encode", str(clicks), folder], env).stdout
    times = {p: [] for p in PAGES}
    for line in out.splitlines():
        page, ns = line.split()
        times[page].append(int(ns))
    rows = []
    for page in PAGES:
        m = statistics.median(times[page])
        rows.append((f"encode latency {page} (median of {len(times[page])})", f"{m / 1e6:.2f} ms",
                     "", "", "< 5 ms", verdict(m < 5e6)))
    return rows


# ---- probe ----

def ffmpeg(*args):
    subprocess.run(["ffmpeg", "-hide_banner", "-loglevel", "error", "-nostdin", "-y"] + list(args),
                   check=True)


def make_clip(tmp):
    clip = os.path.join(tmp, "clip.mkv")
    # MPEG-2 carries its frame rate in every sequence header, so a .ts copy keeps it.
    ffmpeg("-f", "lavfi", "-i", "testsrc=size=1920x1080:rate=25", "-t", "10",
           "-c:v", "mpeg2video", "-q:v", "2", clip)
    return clip


def make_big_files(tmp, clip, size_mb):
    big_mkv = os.path.join(tmp, "big.mkv")
    big_ts = os.path.join(tmp, "big.ts")
    ffmpeg("-stream_loop", "-1", "-i", clip, "-c", "copy", "-fs", f"{size_mb}M", big_mkv)
    ffmpeg("-i", big_mkv, "-c", "copy", big_ts)
    return [big_mkv, big_ts]


def probe(corvane, env, files, runs):
    bench = subprocess.Popen([corvane, "probe"], env=env, stdin=subprocess.PIPE,
                             stdout=subprocess.PIPE, text=True)

    def auto_detect(path):
        bench.stdin.write(path + "\n")
        bench.stdin.flush()
        line = bench.stdout.readline()
        if not line:
            sys.exit("Auto-detect failed (see the message above)")
        return int(line)

    def mediainfo(path):
        start = time.monotonic_ns()
        r = run_checked(["mediainfo", '--Inform=Video;%FrameRate%', path], env)
        elapsed = time.monotonic_ns() - start
        if r.stdout.strip() != "25.000":
            sys.exit(f"mediainfo says {r.stdout.strip()!r} for {path}")
        return elapsed

    rows = []
    try:
        for path in files:
            mediainfo(path)  # the file's first reads, for both
            auto_detect(path)
            ours, theirs = [], []
            for _ in range(runs):
                theirs.append(mediainfo(path))
                ours.append(auto_detect(path))
            size = os.path.getsize(path) / 2**30
            rows.append(ratio_row(f"probe {os.path.splitext(path)[1]} {size:.2f} GiB: Auto-detect / mediainfo",
                                  statistics.median(ours), statistics.median(theirs),
                                  lambda v: f"{v / 1e6:.1f} ms", 1.1, "<= 1.1x"))
    finally:
        # Ended before the temporary folder goes: the window saves its settings there.
        bench.stdin.close()
        status = bench.wait()
    if status != 0:
        sys.exit("the probe run failed")
    return rows


# ---- library load ----

def library(corvane, env, clip, runs):
    first, second = [], []
    for _ in range(runs):
        out = run_checked([corvane, "info", clip], env).stdout
        first.append(int(re.search(r"first_ns=(\d+)", out).group(1)))
        second.append(int(re.search(r"second_ns=(\d+)", out).group(1)))
    return [ratio_row('"i" press: first (library loaded) / second', statistics.median(first),
                      statistics.median(second), lambda v: f"{v / 1e6:.1f} ms", None, "")]


# ---- table ----

def verdict(ok):
    return "ok" if ok else "MISSED"


def ratio_row(label, ours, reference, fmt, limit, goal):
    r = ours / reference
    return (label, fmt(ours), fmt(reference), f"{r:.2f}x", goal,
            "" if limit is None else verdict(r <= limit))


def print_table(rows):
    head = ("figure", "Corvane", "reference", "ratio", "goal", "")
    widths = [max(len(str(r[i])) for r in [head] + rows) for i in range(len(head))]
    for r in [head, tuple("-" * w for w in widths)] + rows:
        print("  ".join(str(c).ljust(w) if i == 0 else str(c).rjust(w)
                        for i, (c, w) in enumerate(zip(r, widths))).rstrip())


def main():
    ap = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    ap.add_argument("--build", default=os.path.join(ROOT, "build-bench"), help="build folder")
    ap.add_argument("--runs", type=int, default=11, help="start-up, probe and library runs (median)")
    ap.add_argument("--clicks", type=int, default=100, help="encode clicks per page (median)")
    ap.add_argument("--size-mb", type=int, default=1024, help="size of the probed files")
    ap.add_argument("--only", default="startup,encode,probe,library",
                    help="comma-separated parts to run")
    args = ap.parse_args()
    parts = set(args.only.split(","))
    for tool in ("valgrind", "ffmpeg", "mediainfo"):
        if not shutil.which(tool):
            sys.exit(f"{tool} is needed")

    corvane, bare = build(args.build)
    rows = []
    with tempfile.TemporaryDirectory(prefix="corvane-bench-") as tmp:
        env = environment(tmp)
        if "startup" in parts:
            rows += startup(corvane, bare, env, args.runs)
        if "encode" in parts:
            rows += encode(corvane, env, tmp, args.clicks)
        if parts & {"probe", "library"}:
            clip = make_clip(tmp)
            if "probe" in parts:
                rows += probe(corvane, env, make_big_files(tmp, clip, args.size_mb), args.runs)
            if "library" in parts:
                rows += library(corvane, env, clip, args.runs)
    print_table(rows)


if __name__ == "__main__":
    main()
