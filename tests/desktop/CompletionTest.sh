#!/usr/bin/env bash
# The bash completion of glimtex-render, sourced into bash as bash-completion would and
# asked for the words a user types: options, the values of options, folders, files, and
# the titles of the registered macros of a program folder (copied from data/), one with
# blanks in its title.
#
#   CompletionTest.sh COMPLETION_SCRIPT GLIMTEX_RENDER DATA_DIR
set -uo pipefail
export LC_ALL=C.UTF-8
script=$1 render=$2 data=$3
# shellcheck source=/dev/null
source "$script"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
folder="$work/folder with blank"
mkdir -p "$folder"
cp -r "$data/Default" "$data/Include" "$data/Macro" "$folder"/
# One more macro, whose title has a blank; the program's files are code page 932, CR LF.
printf '#HEAD "二つの 言葉","説明"\r\n' | iconv -f UTF-8 -t CP932 >"$folder/Macro/Spaced"
printf '#ADDITEM "Spaced"\r\n' >>"$folder/Default"
mkdir "$work/macros" "$work/macros/sub"
touch "$work/macros/mine"

failures=0
# expect WANTED WORD...: completes the last word of "glimtex-render WORD..." and
# compares the sorted completions, one a line, with WANTED.
expect() {
  local wanted=$1
  shift
  COMP_WORDS=("$render" "$@")
  COMP_CWORD=$#
  COMPREPLY=()
  _glimtex_render
  local got
  got=$(printf '%s\n' "${COMPREPLY[@]}" | sort)
  wanted=$(printf '%s\n' "$wanted" | sort)
  if [ "$got" != "$wanted" ]; then
    echo "glimtex-render $*|: wanted"
    echo "$wanted"
    echo "but got"
    echo "$got"
    failures=$((failures + 1))
  fi
}

# Every option that --help names, and nothing else.
expect "$("$render" --help | grep -o -- '--[a-z][a-z-]*' | sort -u)" --
expect --format --fo
expect $'html\nlegacy\ncss\nbbcode' --format ''
expect css --format = c
expect $'utf-8\ncp932' --encoding ''
expect cp932 --macro-encoding c
expect "$work/macros/sub" --program-dir "$work/macros/"
expect "$work/macros/mine"$'\n'"$work/macros/sub" "$work/macros/"

titles=$("$render" --program-dir "$folder" --list-macros | cut -f1)
if ! grep -qx '虹色の見出し' <<<"$titles"; then
  echo "the copied program folder registers no 虹色の見出し:"
  echo "$titles"
  failures=$((failures + 1))
fi
# A title goes in quoted, so that it stays one argument; inside a quote the user
# opened, as it is.
quoted=$(printf '%s\n' "$titles" | while IFS= read -r t; do printf '%q\n' "$t"; done)
expect "$quoted" --program-dir "$folder" --apply ''
expect '虹色の見出し' --program-dir "$folder" --apply '虹色'
expect '二つの\ 言葉' --program-dir "$folder" --apply '二つ'
expect '二つの 言葉' --program-dir "$folder" --apply '"二つ'
expect '二つの\ 言葉' --program-dir="$folder" --apply '二つの\ '
expect '二つの\ 言葉' --program-dir = "'$folder'" --apply '二つ'
exit $((failures > 0))
