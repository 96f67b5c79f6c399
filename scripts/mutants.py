#!/usr/bin/env python3
"""Mutation testing: plants one small fault at a time in src/ and asks whether the tests notice.

Each mutation in scripts/mutants.txt replaces one exact piece of text in one file.
For each, the script rebuilds only what the changed file touches, runs ctest, and
records the mutation as caught (a test failed or timed out), missed (every test
passed), or did not compile. The file is put back afterwards.

  scripts/mutants.py --check              every original text is found exactly once (no build)
  scripts/mutants.py --list               show the mutations
  scripts/mutants.py                      run them all in a scratch copy (build-mutants/)
  scripts/mutants.py --sample 10 --seed 1 --build-dir build --min 70
  scripts/mutants.py --matrix             which tests caught which faults in the last run (the kill matrix)
"""
import argparse
import fnmatch
import json
import os
import random
import re
import shutil
import signal
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
SCRATCH = os.path.join(ROOT, "build-mutants")
KEYS = ("file", "from", "to", "sees")
# A fault only the running program shows (start-up glue, a key the window system
# delivers) names the end-to-end check that shows it; it runs when the unit tests pass.
OPTIONAL_KEYS = ("also",)


class Mutation:
    def __init__(self, fields, line):
        self.file = fields["file"]
        self.original = fields["from"]
        self.replacement = fields["to"]
        self.sees = fields["sees"]
        self.also = fields.get("also")
        self.list_line = line
        self.number = 0

    @property
    def folder(self):
        parts = self.file.split("/")
        return "/".join(parts[:2]) if len(parts) > 2 else parts[0] + "/*.cpp"

    @property
    def key(self):
        return "\0".join((self.file, self.original, self.replacement))

    def where(self, tree):
        text = read(os.path.join(tree, self.file))
        at = text.find(self.original)
        return "%s:%d" % (self.file, text.count("\n", 0, at) + 1) if at >= 0 else self.file


def read(path):
    with open(path, encoding="utf-8") as f:
        return f.read()


def write(path, text):
    with open(path, "w", encoding="utf-8") as f:
        f.write(text)


def parse_list(path):
    """Blocks of 'file:', 'from:', 'to:', 'sees:' lines; blank lines between, '#' comments."""
    mutations, fields, start, problems = [], {}, 0, []

    def finish():
        if not fields:
            return
        missing = [k for k in KEYS if k not in fields]
        if missing:
            problems.append("%s:%d: block lacks %s" % (path, start, ", ".join(missing)))
        else:
            mutations.append(Mutation(fields, start))

    for number, raw in enumerate(read(path).split("\n"), 1):
        line = raw.rstrip("\r")
        if line.startswith("#"):
            continue
        if not line.strip():
            finish()
            fields = {}
            continue
        key, colon, value = line.partition(":")
        if not colon or key not in KEYS + OPTIONAL_KEYS or key in fields:
            problems.append("%s:%d: expected one of %s" % (
                path, number, ", ".join(k + ":" for k in KEYS + OPTIONAL_KEYS)))
            continue
        if not fields:
            start = number
        # Blanks around a text are for lining the block up; C++ never needs them kept.
        fields[key] = value.strip()
    finish()
    for index, mutation in enumerate(mutations, 1):
        mutation.number = index
    return mutations, problems


def check(mutations, tree):
    """Each original text occurs exactly once; returns the problems found."""
    problems = []
    seen = set()
    for m in mutations:
        here = "mutation %d (list line %d, %s)" % (m.number, m.list_line, m.file)
        path = os.path.join(tree, m.file)
        if not m.file.startswith("src/") or not os.path.isfile(path):
            problems.append("%s: no such file under src/" % here)
            continue
        count = read(path).count(m.original) if m.original else 0
        if count != 1:
            problems.append("%s: original text found %d times: %r" % (here, count, m.original))
        if m.original == m.replacement:
            problems.append("%s: replacement equals the original" % here)
        if m.also and not (m.also.startswith("tests/e2e/") and os.path.isfile(os.path.join(tree, m.also))):
            problems.append("%s: no end-to-end check %s" % (here, m.also))
        if not m.sees.strip():
            problems.append("%s: says nothing of what a user would see" % here)
        if m.key in seen:
            problems.append("%s: listed twice" % here)
        seen.add(m.key)
    return problems


def run(command, log, timeout=None, cwd=None):
    log.write("\n$ %s\n" % " ".join(command))
    log.flush()
    try:
        done = subprocess.run(command, stdout=log, stderr=subprocess.STDOUT, timeout=timeout, cwd=cwd)
        return done.returncode
    except subprocess.TimeoutExpired:
        log.write("\n(timed out after %s s)\n" % timeout)
        return None


def tracked_files():
    listed = subprocess.run(["git", "-C", ROOT, "ls-files", "-z"], capture_output=True, check=True)
    return [f for f in listed.stdout.decode().split("\0") if f and os.path.isfile(os.path.join(ROOT, f))]


def sync_scratch_tree(tree):
    """Copies the work tree's files into the scratch tree, only those whose content differs,
    so that an unchanged file keeps its mtime and ninja leaves its object alone."""
    changed = 0
    for name in tracked_files():
        source, target = os.path.join(ROOT, name), os.path.join(tree, name)
        if os.path.isfile(target) and same_bytes(source, target):
            continue
        os.makedirs(os.path.dirname(target), exist_ok=True)
        shutil.copyfile(source, target)
        changed += 1
    return changed


def same_bytes(a, b):
    if os.path.getsize(a) != os.path.getsize(b):
        return False
    with open(a, "rb") as fa, open(b, "rb") as fb:
        return fa.read() == fb.read()


def configure_scratch(tree, build, log):
    if os.path.isfile(os.path.join(build, "CMakeCache.txt")):
        return True
    command = ["cmake", "-S", tree, "-B", build, "-G", "Ninja", "-DCMAKE_BUILD_TYPE=RelWithDebInfo",
               "-DEARNMETER_TESTS=ON", "-DEARNMETER_BENCH=OFF"]
    # Every fault relinks the test programs: lld does it in a fraction of ld's time.
    linker = next((name for name in ("lld", "gold") if shutil.which("ld." + name)), None)
    if linker:
        command += ["-DCMAKE_%s_LINKER_FLAGS=-fuse-ld=%s" % (kind, linker) for kind in ("EXE", "SHARED", "MODULE")]
    return run(command, log) == 0


def source_of_build(build):
    """The source tree a configured build folder was made from."""
    cache = os.path.join(build, "CMakeCache.txt")
    if not os.path.isfile(cache):
        return None
    for line in read(cache).splitlines():
        if line.startswith("CMAKE_HOME_DIRECTORY:"):
            return line.split("=", 1)[1]
    return None


class Objects:
    """Finds the object files compiled from a source and what is linked from them, so that
    after a mutation the original objects can be put back instead of compiled a second time."""

    def __init__(self, build):
        self.build = build
        listed = subprocess.run(["ninja", "-C", build, "-t", "targets", "all"], capture_output=True, text=True)
        self.by_name = {}
        for line in listed.stdout.splitlines():
            path = line.rsplit(":", 1)[0]
            if path.endswith(".o"):
                self.by_name.setdefault(os.path.basename(path), []).append(path)

    def of(self, source):
        """[(object, [what is linked from it])] for each object compiled from source."""
        found = []
        for path in self.by_name.get(os.path.basename(source) + ".o", []):
            inputs, outputs = self.query(path)
            if os.path.normpath(source) in inputs and os.path.isfile(os.path.join(self.build, path)):
                found.append((os.path.join(self.build, path), outputs))
        return found

    def query(self, target):
        answer = subprocess.run(["ninja", "-C", self.build, "-t", "query", target], capture_output=True, text=True)
        inputs, outputs, into = [], [], None
        for line in answer.stdout.splitlines()[1:]:
            word = line.strip()
            if word.startswith(("input:", "outputs:")):
                into = inputs if word.startswith("input:") else outputs
            elif into is not None and word:
                into.append(os.path.normpath(os.path.join(self.build, word.lstrip("| "))))
        return inputs, outputs


class Planted:
    """One mutation applied to its file; put back on leaving, whatever happened."""

    def __init__(self, mutation, tree, objects, stash):
        self.path = os.path.join(tree, mutation.file)
        self.mutation = mutation
        self.objects = objects.of(self.path) if self.path.endswith(".cpp") else []
        self.stash = stash

    def __enter__(self):
        self.text = read(self.path)
        self.stat = os.stat(self.path)
        os.makedirs(self.stash, exist_ok=True)
        self.saved = []
        for index, (obj, linked) in enumerate(self.objects):
            copy = os.path.join(self.stash, "%d.o" % index)
            shutil.copy2(obj, copy)
            self.saved.append((obj, copy, linked))
        write(self.path, self.text.replace(self.mutation.original, self.mutation.replacement, 1))
        newest = max([time.time()] + [os.stat(obj).st_mtime + 1 for obj, _ in self.objects])
        os.utime(self.path, (newest, newest))
        return self

    def __exit__(self, *exc):
        write(self.path, self.text)
        if not self.saved:
            # A header: everything that includes it compiles again on the next build.
            os.utime(self.path, None)
            return False
        # The source keeps its own mtime and gets its own object back. The object keeps the
        # mtime ninja saw after compiling it, or ninja would call its header list stale and
        # compile it again; what was linked from it is removed, so ninja links it anew.
        os.utime(self.path, ns=(self.stat.st_atime_ns, self.stat.st_mtime_ns))
        for obj, copy, linked in self.saved:
            built = os.stat(obj)
            shutil.copyfile(copy, obj)
            os.utime(obj, ns=(built.st_atime_ns, built.st_mtime_ns))
            for output in linked:
                if os.path.isfile(output):
                    os.remove(output)
        return False


def build_and_test(build, log, timeout, also=None):
    """'built' is False on a compile error; 'passed' is True when every test passed."""
    started = time.time()
    if run(["cmake", "--build", build, "-j2"], log, timeout=1800) != 0:
        return False, None, time.time() - started
    code = run(["ctest", "--test-dir", build, "-j2", "--timeout", str(timeout)], log, timeout=1800)
    if code == 0 and also:
        code = run(["bash", also, os.path.join(build, "earnmeter")], log, timeout=600)
    return True, code == 0, time.time() - started


def failed_tests(log_path):
    """The tests ctest named as failing: which tests guard which fault (the kill matrix)."""
    failed, listing = [], False
    for line in read(log_path).splitlines():
        if line.startswith("The following tests FAILED:"):
            listing = True
        elif listing:
            found = re.match(r"\s*\d+ - (\S+)", line)
            if not found:
                break
            failed.append(found.group(1))
    return failed


def select(mutations, args):
    chosen = mutations
    if args.only:
        pattern = args.only
        glob = any(c in pattern for c in "*?[")
        chosen = [m for m in chosen if (fnmatch.fnmatch(m.file, pattern) if glob
                                        else pattern in m.file or pattern in m.sees)]
    if args.sample is not None and args.sample < len(chosen):
        chosen = sorted(random.Random(args.seed).sample(chosen, args.sample), key=lambda m: m.number)
    return chosen


def interleaved(mutations):
    """Each folder's faults spread evenly over the run, so a run stopped early has measured
    every folder in its share."""
    folders = {}
    for m in mutations:
        folders.setdefault(m.folder, []).append(m)
    spread = [((turn + 0.5) / len(queue), m.number, m) for queue in folders.values() for turn, m in enumerate(queue)]
    return [m for _, _, m in sorted(spread, key=lambda entry: entry[:2])]


def print_list(mutations, tree):
    for m in mutations:
        print("%3d  %s\n     - %s\n     + %s\n     user sees: %s" % (
            m.number, m.where(tree), m.original.strip(), m.replacement.strip() or "(line dropped)", m.sees))


def summary(results, mutations):
    """Per-folder scores over the mutations that compiled; returns (caught, scored)."""
    folders = {}
    for m in mutations:
        if m.key in results:
            row = folders.setdefault(m.folder, {"caught": 0, "missed": 0, "no-compile": 0, "error": 0})
            row[results[m.key]["outcome"]] += 1
    print("\n%-16s %7s %7s %11s %7s" % ("folder", "caught", "missed", "no compile", "score"))
    total = {"caught": 0, "missed": 0, "no-compile": 0, "error": 0}
    for folder in sorted(folders):
        row = folders[folder]
        for k in total:
            total[k] += row[k]
        print_row(folder, row)
    print_row("total", total)
    missed = [m for m in mutations if results.get(m.key, {}).get("outcome") == "missed"]
    if missed:
        print("\nMissed (the tests still pass with these faults):")
        for m in missed:
            print("  %s  %r -> %r\n      a user would see: %s" % (
                results[m.key]["where"], m.original.strip(), m.replacement.strip(), m.sees))
    broken = [m for m in mutations if results.get(m.key, {}).get("outcome") == "no-compile"]
    for m in broken:
        print("  did not compile: %s (mend its line in the list)" % results[m.key]["where"])
    for m in mutations:
        if results.get(m.key, {}).get("outcome") == "error":
            print("  broke for another reason: %s; see its log" % results[m.key]["where"])
    return total["caught"], total["caught"] + total["missed"]


def print_row(name, row):
    scored = row["caught"] + row["missed"]
    score = "%5.1f%%" % (100.0 * row["caught"] / scored) if scored else "   -  "
    print("%-16s %7d %7d %11d %7s" % (name, row["caught"], row["missed"], row["no-compile"], score))


def test_name(ctest_name):
    """A gtest case as written in its file: the row and the locale suffix ctest adds are dropped."""
    name = ctest_name.rsplit(".", 2)[0] if ctest_name.endswith(".UTF-8") else ctest_name.rsplit(".scale", 1)[0]
    parts = name.split("/")
    return next((part for part in parts if "." in part), name)


def print_matrix(results, mutations):
    """Per test, the mutations it caught; then the mutations only one test catches, which
    tell what a test guards alone before it is cut or merged."""
    caught_by = {}
    for m in mutations:
        entry = results.get(m.key)
        if entry:
            caught_by[m.number] = sorted({test_name(t) for t in entry.get("failed", [])})
    if not caught_by:
        print("no results with test names; run the mutations first")
        return 1
    per_test = {}
    for number, tests in caught_by.items():
        for test in tests:
            per_test.setdefault(test, []).append(number)
    for test in sorted(per_test, key=lambda t: (-len(per_test[t]), t)):
        print("%3d  %s  %s" % (len(per_test[test]), test, " ".join(map(str, per_test[test]))))
    print("\nCaught by one test alone:")
    for number, tests in sorted(caught_by.items()):
        if len(tests) == 1:
            print("  %3d  %s" % (number, tests[0]))
    for number, tests in sorted(caught_by.items()):
        if not tests:
            print("  %3d  no unit test; its end-to-end check, or missed" % number)
    return 0


def load_results(path):
    results = {}
    if path and os.path.isfile(path):
        for line in read(path).splitlines():
            if line.strip():
                entry = json.loads(line)
                results[entry["key"]] = entry
    return results


def prepare(args, log):
    """Returns (tree, build): the tree to mutate and the build folder that builds it."""
    if args.build_dir:
        build = os.path.abspath(args.build_dir)
        tree = source_of_build(build)
        if not tree:
            sys.exit("mutants: %s is not a configured build folder" % build)
        print("Mutating %s in place for the build in %s; every file is put back." % (tree, build))
        return tree, build
    tree, build = os.path.join(SCRATCH, "tree"), os.path.join(SCRATCH, "build")
    changed = sync_scratch_tree(tree)
    print("Scratch copy %s (%d files brought up to date), build %s" % (tree, changed, build))
    if not configure_scratch(tree, build, log):
        sys.exit("mutants: configuring %s failed; see %s" % (build, log.name))
    return tree, build


def parse_args():
    p = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    p.add_argument("--mutants", default=os.path.join(ROOT, "scripts", "mutants.txt"), help="the list to read")
    p.add_argument("--check", action="store_true", help="check the list against the source; no build")
    p.add_argument("--list", action="store_true", help="print the chosen mutations and stop")
    p.add_argument("--only", metavar="PATTERN",
                   help="mutations whose file matches this glob, or whose file or user-sees line holds this text")
    p.add_argument("--sample", type=int, metavar="N", help="a random N of the chosen mutations")
    p.add_argument("--seed", type=int, help="seed for --sample (printed when not given)")
    p.add_argument("--build-dir", help="an existing configured build; its own source tree is mutated in place")
    p.add_argument("--keep-going", action="store_true",
                   help="carry on past a mutation whose run broke for another reason (recorded as an error)")
    p.add_argument("--min", type=float, default=0.0, metavar="PERCENT",
                   help="exit 1 when caught / (caught + missed) is below this")
    p.add_argument("--min-caught", type=int, metavar="N", help="exit 1 when fewer than N are caught")
    p.add_argument("--timeout", type=int, default=60, help="seconds per test (ctest --timeout)")
    p.add_argument("--results", help="write each outcome to this JSON-lines file (default build-mutants/results.jsonl)")
    p.add_argument("--resume", action="store_true", help="keep the results file and skip the mutations already in it")
    p.add_argument("--matrix", action="store_true",
                   help="from the results file: which tests caught which mutations, and the mutations one test alone guards")
    args = p.parse_args()
    if args.sample is not None and args.seed is None:
        args.seed = random.randrange(1 << 30)
        print("--seed %d" % args.seed)
    return args


def main():
    args = parse_args()
    mutations, problems = parse_list(args.mutants)
    chosen = select(mutations, args)
    if args.matrix:
        return print_matrix(load_results(args.results or os.path.join(SCRATCH, "results.jsonl")), mutations)
    if args.check or args.list:
        tree = ROOT
        if args.build_dir:
            tree = source_of_build(os.path.abspath(args.build_dir)) or ROOT
        if args.list:
            print_list(chosen, tree)
        problems += check(mutations, tree)
        for problem in problems:
            print(problem, file=sys.stderr)
        print("%d mutations in %s, %d problems" % (len(mutations), os.path.relpath(args.mutants), len(problems)))
        return 1 if problems else 0
    if problems:
        sys.exit("\n".join(problems))
    return run_mutations(args, mutations, chosen)


def interrupted(*_):
    # A stop from outside unwinds like Ctrl+C, so the mutated file is put back.
    raise KeyboardInterrupt()


def run_mutations(args, mutations, chosen):
    os.makedirs(os.path.join(SCRATCH, "logs"), exist_ok=True)
    results_path = args.results or os.path.join(SCRATCH, "results.jsonl")
    if not args.resume and os.path.exists(results_path):
        os.remove(results_path)
    results = load_results(results_path) if args.resume else {}
    signal.signal(signal.SIGTERM, interrupted)
    with open(os.path.join(SCRATCH, "logs", "setup.log"), "w") as log:
        tree, build = prepare(args, log)
        problems = check(chosen, tree)
        if problems:
            sys.exit("\n".join(problems))
        print("Building and testing the unmutated tree first...", flush=True)
        built, passed, seconds = build_and_test(build, log, args.timeout)
        if not built or not passed:
            sys.exit("mutants: the unmutated tree %s; see %s" % (
                "does not build" if not built else "fails its tests", log.name))
        print("  all tests pass (%.0f s)" % seconds, flush=True)
    objects = Objects(build)
    todo = interleaved([m for m in chosen if m.key not in results])
    started = time.time()
    try:
        for step, m in enumerate(todo, 1):
            results[m.key] = one(m, tree, build, objects, args, results_path, "[%d/%d]" % (step, len(todo)))
    except KeyboardInterrupt:
        print("\nInterrupted; the mutated file was put back.", file=sys.stderr)
        return 130
    finally:
        with open(os.path.join(SCRATCH, "logs", "restore.log"), "w") as log:
            # Leaves the build matching the unmutated tree again.
            run(["cmake", "--build", build, "-j2"], log)
    if todo:
        print("\n%d mutations in %.0f s, %.0f s each" % (len(todo), time.time() - started,
                                                         (time.time() - started) / len(todo)))
    caught, scored = summary(results, chosen)
    errors = [m for m in chosen if results.get(m.key, {}).get("outcome") == "error"]
    if errors:
        return 2
    if scored and 100.0 * caught / scored < args.min:
        print("Score %.1f%% is below --min %.1f%%" % (100.0 * caught / scored, args.min))
        return 1
    if args.min_caught is not None and caught < args.min_caught:
        print("%d caught, fewer than --min-caught %d" % (caught, args.min_caught))
        return 1
    return 0


def one(m, tree, build, objects, args, results_path, step):
    where = m.where(tree)
    log_path = os.path.join(SCRATCH, "logs", "%03d.log" % m.number)
    print("%s %s ..." % (step, where), end=" ", flush=True)
    with open(log_path, "w") as log:
        log.write("%s\n- %s\n+ %s\n" % (where, m.original, m.replacement))
        try:
            with Planted(m, tree, objects, os.path.join(SCRATCH, "stash")):
                also = os.path.join(tree, m.also) if m.also else None
                built, passed, seconds = build_and_test(build, log, args.timeout, also)
            outcome = "no-compile" if not built else ("missed" if passed else "caught")
        except (OSError, subprocess.SubprocessError) as error:
            if not args.keep_going:
                raise
            outcome, seconds = "error", 0
            log.write("\nerror: %s\n" % error)
    print("%s (%.0f s)" % (outcome, seconds), flush=True)
    entry = {"key": m.key, "number": m.number, "where": where, "folder": m.folder, "outcome": outcome,
             "seconds": round(seconds), "sees": m.sees, "failed": failed_tests(log_path)}
    with open(results_path, "a") as f:
        f.write(json.dumps(entry) + "\n")
    return entry


if __name__ == "__main__":
    sys.exit(main())
