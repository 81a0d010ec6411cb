#!/usr/bin/env python3
"""Plants realistic faults in the program, one at a time, and checks that the
tests catch each of them.

For every fault in the table below: the file must be unchanged in git, the
old text is replaced by the new one, the named test programs are rebuilt and
run against SQLite, and the file is put back whatever happens. A fault is
caught when one of its tests fails. The servers the tests need are started
once, by scripts/test.sh --run, around the whole run.

  scripts/plant-faults.py [--only F03,F07] [--catching tst_a,tst_b]
                          [--tree DIR] [--build-dir DIR] [--report FILE]
                          [--list] [--no-baseline]
"""

import argparse
import os
import re
import signal
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
OWN_TREE = os.path.dirname(HERE)
INNER = "BREVALON_PLANT_FAULTS_INNER"


class Fault:
    def __init__(self, fid, module, description, path, old, new, tests):
        self.id = fid
        self.module = module
        self.description = description
        self.path = path
        self.old = old
        self.new = new
        self.tests = tests.split()


# id, module, what a developer got wrong, file, old text, new text, the tests
# expected to catch it (ctest base names; the runner runs <name>_sqlite).
FAULTS = [
    Fault("F01", "core", "half cents round towards zero instead of away from it",
          "core/money.cpp",
          "(halves == Halves::AwayFromZero && value > 0) ? 0.5 : -0.5",
          "(halves == Halves::AwayFromZero && value > 0) ? 0.4999 : -0.5",
          "tst_money"),
]


def parse_args(argv):
    p = argparse.ArgumentParser(description="Plants faults and checks that the tests catch them.")
    p.add_argument("--only", help="comma-separated fault ids to run (e.g. F03,F07)")
    p.add_argument("--catching", help="run only faults whose expected tests include one of these")
    p.add_argument("--tree", default=OWN_TREE, help="source tree whose program files are edited")
    p.add_argument("--build-dir", help="build folder (default: TREE/build)")
    p.add_argument("--report", help="also write the result table to this file")
    p.add_argument("--list", action="store_true", help="list the selected faults and check their texts")
    p.add_argument("--no-baseline", action="store_true",
                   help="skip the run of the unfaulted tests that tells a fault's failure from an old one")
    p.add_argument("--timeout", type=int, default=900, help="seconds allowed for one fault's tests")
    p.add_argument("-j", "--jobs", type=int, default=2, help="parallel build and test jobs")
    a = p.parse_args(argv)
    a.tree = os.path.abspath(a.tree)
    a.build_dir = os.path.abspath(a.build_dir or os.path.join(a.tree, "build"))
    return a


def select(args):
    faults = FAULTS
    if args.only:
        wanted = {x.strip() for x in args.only.split(",") if x.strip()}
        unknown = wanted - {f.id for f in FAULTS}
        if unknown:
            sys.exit("plant-faults: no such fault: " + ", ".join(sorted(unknown)))
        faults = [f for f in faults if f.id in wanted]
    if args.catching:
        wanted = {x.strip() for x in args.catching.split(",") if x.strip()}
        faults = [f for f in faults if wanted & set(f.tests)]
    return faults


def check_text(tree, fault):
    """Returns None when the fault can be applied, else why not."""
    path = os.path.join(tree, fault.path)
    try:
        with open(path, encoding="utf-8") as fh:
            text = fh.read()
    except OSError as e:
        return "cannot read %s: %s" % (fault.path, e.strerror)
    n = text.count(fault.old)
    if n != 1:
        return "old text occurs %d times in %s" % (n, fault.path)
    if fault.old == fault.new:
        return "old and new text are the same"
    return None


def run(cmd, log, timeout, cwd=None):
    """Runs cmd in a process group of its own, output to log; returns
    (exit status or None on time-out, output)."""
    with open(log, "w") as out:
        proc = subprocess.Popen(cmd, stdout=out, stderr=subprocess.STDOUT, cwd=cwd,
                                start_new_session=True)
        try:
            status = proc.wait(timeout=timeout)
        except subprocess.TimeoutExpired:
            os.killpg(proc.pid, signal.SIGTERM)
            try:
                proc.wait(timeout=20)
            except subprocess.TimeoutExpired:
                os.killpg(proc.pid, signal.SIGKILL)
                proc.wait()
            status = None
        except BaseException:
            os.killpg(proc.pid, signal.SIGKILL)
            proc.wait()
            raise
    with open(log, errors="replace") as fh:
        return status, fh.read()


def ctest_results(output):
    """The tests ctest ran, as {name: passed/failed/skipped/notrun}."""
    results = {}
    for m in re.finditer(r"Test\s+#\d+:\s+(\S+)\s+\.+\**\s*(.*?)\s+[\d.]+ sec", output):
        name, verdict = m.group(1), m.group(2)
        if verdict.startswith("Passed"):
            results[name] = "passed"
        elif "Skipped" in verdict or ("Not Run" in verdict and "Disabled" in verdict):
            results[name] = "skipped"
        elif "Not Run" in verdict:
            results[name] = "notrun"
        else:
            results[name] = "failed"
    return results


def build(args, targets, log):
    cmd = ["cmake", "--build", args.build_dir, "-j%d" % args.jobs, "--target"] + targets
    status, _ = run(cmd, log, 3600)
    return status == 0


def test(args, tests, log):
    regex = "^(%s)_sqlite$" % "|".join(re.escape(t) for t in tests)
    cmd = ["ctest", "--test-dir", args.build_dir, "--output-on-failure", "-j%d" % args.jobs, "-R", regex]
    status, output = run(cmd, log, args.timeout)
    return status, ctest_results(output)


def git_clean(tree, path):
    r = subprocess.run(["git", "-C", tree, "status", "--porcelain", "--", path],
                       capture_output=True, text=True)
    return r.returncode == 0 and r.stdout.strip() == ""


def plant(args, fault, logdir, baseline_failed):
    """Returns (state, detail): state is caught, NOT CAUGHT, build failed or
    an error; detail names the failing tests or the reason."""
    why = check_text(args.tree, fault)
    if why:
        return "error", why
    if not git_clean(args.tree, fault.path):
        return "error", "%s has local changes; not touched" % fault.path
    path = os.path.join(args.tree, fault.path)
    with open(path, "rb") as fh:
        original = fh.read()
    try:
        text = original.decode("utf-8")
        with open(path, "wb") as fh:
            fh.write(text.replace(fault.old, fault.new, 1).encode("utf-8"))
        if not build(args, fault.tests, os.path.join(logdir, fault.id + "-build.log")):
            return "build failed", "see %s-build.log" % fault.id
        status, results = test(args, fault.tests, os.path.join(logdir, fault.id + "-ctest.log"))
    finally:
        with open(path, "wb") as fh:
            fh.write(original)
    expected = {t + "_sqlite" for t in fault.tests}
    missing = expected - set(results)
    failed = sorted(n for n, v in results.items() if v in ("failed", "notrun") and n not in baseline_failed)
    timed_out = status is None
    if failed:
        return "caught", " ".join(failed) + (" (time-out)" if timed_out else "")
    if timed_out:
        return "caught", "time-out after %d s" % args.timeout
    if missing:
        return "error", "tests not found: " + " ".join(sorted(missing))
    return "NOT CAUGHT", "all passed or skipped: " + " ".join(
        "%s=%s" % (n, results[n]) for n in sorted(results))


def table(rows):
    lines = ["%-4s %-12s %-62s %s" % ("id", "module", "description", "caught by")]
    for fault, state, detail in rows:
        result = detail if state == "caught" else "%s: %s" % (state, detail)
        lines.append("%-4s %-12s %-62s %s" % (fault.id, fault.module, fault.description, result))
    counts = {}
    for _, state, _ in rows:
        counts[state] = counts.get(state, 0) + 1
    lines.append("planted %d, caught %d, not caught %d, build failed %d, errors %d" % (
        len(rows), counts.get("caught", 0), counts.get("NOT CAUGHT", 0),
        counts.get("build failed", 0), counts.get("error", 0)))
    return "\n".join(lines) + "\n"


def list_faults(args, faults):
    bad = 0
    for f in faults:
        why = check_text(args.tree, f)
        bad += why is not None
        print("%-4s %-12s %-62s %s [%s]%s" % (f.id, f.module, f.description, f.path, " ".join(f.tests),
                                              "  !! " + why if why else ""))
    print("%d faults, %d with a bad text" % (len(faults), bad))
    return 1 if bad else 0


def main(argv):
    args = parse_args(argv)
    faults = select(args)
    if args.list:
        return list_faults(args, faults)
    if not faults:
        sys.exit("plant-faults: no fault selected")
    if not os.path.isdir(args.build_dir):
        sys.exit("plant-faults: no build folder %s" % args.build_dir)

    if os.environ.get(INNER) != "1":
        # The servers come up once, around the whole run.
        env = dict(os.environ, BUILD_DIR=args.build_dir)
        env[INNER] = "1"
        cmd = [os.path.join(HERE, "test.sh"), "--run", sys.executable, os.path.abspath(__file__)] + argv
        return subprocess.call(cmd, env=env)

    logdir = os.path.join(args.build_dir, "plant-faults")
    os.makedirs(logdir, exist_ok=True)
    baseline_failed = set()
    if not args.no_baseline:
        tests = sorted({t for f in faults for t in f.tests})
        print("baseline: building and running %d unfaulted tests" % len(tests), flush=True)
        if not build(args, tests, os.path.join(logdir, "baseline-build.log")):
            sys.exit("plant-faults: the unfaulted tree does not build (see %s)" % logdir)
        _, results = test(args, tests, os.path.join(logdir, "baseline-ctest.log"))
        baseline_failed = {n for n, v in results.items() if v in ("failed", "notrun")}
        if baseline_failed:
            print("baseline: already failing, not counted as catching: " + " ".join(sorted(baseline_failed)),
                  flush=True)

    rows = []
    for fault in faults:
        start = time.time()
        print("%s %s ..." % (fault.id, fault.description), end=" ", flush=True)
        state, detail = plant(args, fault, logdir, baseline_failed)
        print("%s %s (%.0f s)" % (state, detail, time.time() - start), flush=True)
        rows.append((fault, state, detail))

    report = table(rows)
    if baseline_failed:
        report += "failing before any fault (ignored): %s\n" % " ".join(sorted(baseline_failed))
    print()
    print(report, end="")
    if args.report:
        with open(args.report, "w") as fh:
            fh.write(report)
    return 0 if all(state == "caught" for _, state, _ in rows) else 1


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
