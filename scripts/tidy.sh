#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over Glimtex's C++ files.
#
#   scripts/tidy.sh          every file the build compiles: src/, tests/, bench/ and
#                            desktop/ (see CONTRIBUTING.md for how long that takes)
#   scripts/tidy.sh REF      only the files changed since the git ref REF (a branch,
#                            a commit, HEAD~3), uncommitted and new files included;
#                            for a changed header, the files that include it
#
# Prints each finding once (a header seen from many files is still one finding),
# then a count per folder and a summary line; exits with 1 when there is any finding
# or a file does not compile, else 0. TIDY_JOBS=N runs N clang-tidy processes at once
# (default: the number of cores).
#
# The build folder build-tidy/ is only configured, never built: clang-tidy needs the
# compile commands and the generated core/Version.h, nothing else. Files the build
# generates (moc) are not looked at, nor tests/fuzz, which only scripts/fuzz.sh
# configures.
set -euo pipefail
cd "$(dirname "$0")/.."
ref=${1:-}
jobs=${TIDY_JOBS:-$(nproc 2>/dev/null || echo 2)}
build="build-tidy"

./scripts/install-deps.sh clang-tidy python3
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null

# One compile command per file: the tests' shared main is compiled once for every test
# program, and clang-tidy would otherwise look at it that many times.
python3 - "$PWD" "$build" <<'EOF'
import json, os, sys
root, build = sys.argv[1], sys.argv[2]
seen, kept = set(), []
for entry in json.load(open(os.path.join(build, "compile_commands.json"))):
    path = os.path.relpath(entry["file"], root)
    if path.startswith(("..", build + os.sep, "tests/fuzz/")) or path in seen:
        continue
    seen.add(path)
    kept.append(entry)
os.makedirs(os.path.join(build, "tidy"), exist_ok=True)
with open(os.path.join(build, "tidy", "compile_commands.json"), "w") as out:
    json.dump(kept, out, indent=1)
with open(os.path.join(build, "tidy", "files.txt"), "w") as out:
    out.write("".join(os.path.relpath(e["file"], root) + "\n" for e in kept))
EOF

all_files="$build/tidy/files.txt"
if [ -z "$ref" ]; then
  files=$(cat "$all_files")
else
  git rev-parse --verify --quiet "$ref^{commit}" >/dev/null ||
    { echo "scripts/tidy.sh: no such git ref: $ref" >&2; exit 2; }
  changed=$( (git diff --name-only "$ref" --; git ls-files --others --exclude-standard) |
    sort -u)
  files=$(
    for f in $changed; do
      case $f in
        *.cpp) grep -qxF "$f" "$all_files" && echo "$f" ;;
        *.h)
          # Included by its folder and name from src/, by its name next to it in tests/.
          name=${f##*/}
          short=${f#src/}
          short=${short#tests/}
          xargs grep -lE "^#include [\"<](${short//./\\.}|${name//./\\.})[\">]" \
            <"$all_files" 2>/dev/null || true ;;
      esac
    done | sort -u)
fi
if [ -z "$files" ]; then
  echo "clang-tidy: no C++ file to look at${ref:+ changed since $ref}"
  exit 0
fi

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
count=$(echo "$files" | wc -l)
echo "clang-tidy over $count files, $jobs at a time..."
start=$(date +%s)
# Each file's output goes to a log of its own, so parallel runs never interleave.
# shellcheck disable=SC2016  # the inner shell expands $1, $2 and $3
echo "$files" | xargs -P "$jobs" -I{} sh -c \
  'clang-tidy -p "$1" --quiet "$2" >"$3/$(echo "$2" | tr / _).log" 2>&1 || true' \
  _ "$build/tidy" {} "$logs"
seconds=$(($(date +%s) - start))

# Every diagnostic with the lines that show it, once; the counts lines of clang-tidy
# itself are left out.
cat "$logs"/*.log | awk '
  /^[0-9]+ (warning|error)s? (generated|treated as errors)/ { next }
  /^[0-9]+ warnings and [0-9]+ errors? generated/ { next }
  /^Error while processing / { next }
  /^Found compiler errors?/ { next }
  /^\/.*:[0-9]+:[0-9]+: (warning|error): / {
    show = !(($0) in seen); seen[$0] = 1
  }
  show { print }
' | sed "s|^$PWD/||" >"$logs/findings.txt"
cat "$logs/findings.txt"
grep -E '^[^ ].*:[0-9]+:[0-9]+: (warning|error): ' "$logs/findings.txt" >"$logs/list.txt" || true
findings=$(wc -l <"$logs/list.txt")
if [ "$findings" -gt 0 ]; then
  echo "Findings per folder:"
  sed -E 's#^/.*#(system headers)#; s#^((src|tests|bench)/[a-z]+|[a-z]+)/.*#\1#' \
    "$logs/list.txt" | sort | uniq -c
fi
echo "clang-tidy: $findings findings in $count files (${seconds} s, $jobs jobs)"
[ "$findings" -eq 0 ]
