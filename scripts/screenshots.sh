#!/usr/bin/env bash
# Starts glimtex under Xvfb (with a small window manager, so windows have their
# frames) and saves screenshots of its windows as PNG files, so anyone can look at
# the real windows. Installs Xvfb and the tools it drives when they are missing.
# Not run by CI.
#
#   scripts/screenshots.sh [OUTPUT_DIR]      (default: screenshots/)
set -euo pipefail
cd "$(dirname "$0")/.."
out=${1:-screenshots}
mkdir -p "$out"

./scripts/install-deps.sh xvfb xdotool openbox imagemagick x11-utils >/dev/null
if [ ! -x build/bin/glimtex ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build -j "$(nproc 2>/dev/null || echo 2)" --target glimtex glimtex-render
fi

# A program folder of its own, so the screenshots never touch the build's files.
folder=$(mktemp -d)
display=:$((90 + RANDOM % 9))
cleanup() {
  [ -n "${app:-}" ] && kill "$app" 2>/dev/null || true
  [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null || true
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$folder"
}
trap cleanup EXIT
cp -r build/bin/Default build/bin/Include build/bin/Macro "$folder"/
# The settings too: the shots never depend on where a person left the main window.
export XDG_CONFIG_HOME="$folder/config"

Xvfb "$display" -screen 0 1280x900x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
openbox >/dev/null 2>&1 &
wm=$!
sleep 0.5

build/bin/glimtex --program-dir "$folder" >/dev/null 2>&1 &
app=$!

# The window whose WM_NAME is exactly the given caption.
window() { xdotool search --sync --onlyvisible --name "^$1\$" | head -n 1; }
shot() {  # shot WINDOW FILE: the window with its frame
  sleep 0.6
  import -frame -window "$1" "$out/$2"
  echo "$out/$2"
}
# Clicks a point of a window, in pixels from the top left of its client area.
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.3; }
# Chooses a menu item by its access keys (Alt+menu letter, then the item's letters).
menu() {
  local w=$1; shift
  xdotool windowactivate --sync "$w" key --clearmodifiers "$@"
  sleep 0.4
}

title=$(window " ")
shot "$title" title.png
xdotool windowactivate --sync "$title" key Return
sleep 1

main=$(window Glimtex)
# The panel buttons stand in a row 136 pixels below the menu bar, 72 pixels apart.
menubar=$(( $(xwininfo -id "$main" | awk '/Height:/ {print $2}') - 304 ))
names=(text decoration colour shape background link)
for i in 0 1 2 3 4 5; do
  click "$main" $((40 + 72 * i)) $((menubar + 144))
  shot "$main" "main-$i-${names[$i]}.png"
done

# The main road: type a line, a gradation with the lens pattern, "ソースの作成".
click "$main" 40 $((menubar + 144))
xdotool mousemove --window "$main" 200 $((menubar + 91)) click --repeat 3 1
xdotool type --delay 20 "Glimtex sample"
click "$main" 40 $((menubar + 144))
shot "$main" main-typed.png

# "実行(&R)" → "ソースの作成": the board, then "完了" and the output window.
menu "$main" alt+r Return
board=$(window 情報結果)
shot "$board" board.png
xdotool windowactivate --sync "$board" key Return
sleep 0.5
output=$(window HTMLソース)
shot "$output" output.png
xdotool windowactivate --sync "$output" key Escape

# The colour panel's first swatch opens the mixer with its palette; a palette
# swatch loads its colour into the mixer (the swatches start 23 pixels in).
click "$main" $((40 + 72 * 2)) $((menubar + 144))
click "$main" 232 $((menubar + 216))
mixer=$(window 色情報)
palette=$(window 色見本)
click "$palette" $((23 + 16 * 2 + 8)) $((8 + 16 * 3 + 8))
shot "$mixer" mixer.png
shot "$palette" palette.png
xdotool windowactivate --sync "$mixer" key Return
sleep 0.3
shot "$main" main-colour-set.png

# "ツール(&T)" → "マクロ入力".
menu "$main" alt+t Return
picker=$(window マクロ入力)
shot "$picker" picker.png

# The live preview and the output window's "表示", over a decorated line: the program
# starts again with a start-up macro that sets a gradation, the lens pattern, bold and
# a background colour, then "ツール(&T)" → "プレビュー" (the item after "マクロ入力").
kill "$app" 2>/dev/null || true
wait "$app" 2>/dev/null || true
{
  cat build/bin/Default | iconv -f CP932 -t UTF-8
  cat <<'MACRO'
Set.MainString = "Glimtexへようこそ、プレビューです"
Select.MojiSize = 6
Set.ColorStyle = "グラデーション"
Set.ColorData = 0,220,0,40
Set.ColorData = 1,0,40,220
Set.StringShape = "レンズ"
Select.SpGroup = 0
Set.BackStyle = "単色"
Set.BackColorData = 255,250,205
MACRO
} | sed 's/$/\r/' | iconv -f UTF-8 -t CP932 >"$folder/Default"
build/bin/glimtex --program-dir "$folder" >/dev/null 2>&1 &
app=$!
title=$(window " ")
xdotool windowactivate --sync "$title" key Return
sleep 1
main=$(window Glimtex)
menu "$main" alt+t Down Return
preview=$(window プレビュー)
shot "$preview" preview.png

menu "$main" alt+r Return
board=$(window 情報結果)
xdotool windowactivate --sync "$board" key Return
sleep 0.5
output=$(window HTMLソース)
# The tab "表示" stands right of "ソース" at the top left of the window.
click "$output" 70 18
shot "$output" output-view.png

# The old format: "設定(&S)" → "出力形式" → "HTML（旧形式）". The preview shows no
# background and says that the decoration goes on after the fragment.
menu "$main" alt+s Down Right Down Return
xdotool windowactivate --sync "$preview"
sleep 1
shot "$preview" preview-legacy.png

# The two newer formats: "CSS" looks as "HTML" does; "BBCode" as a forum shows it,
# without the background.
menu "$main" alt+s Down Right Down Down Return
xdotool windowactivate --sync "$preview"
sleep 1
shot "$preview" preview-css.png
menu "$main" alt+s Down Right Down Down Down Return
xdotool windowactivate --sync "$preview"
sleep 1
shot "$preview" preview-bbcode.png

# "グラデーションの詳細": "…" beside the swatches of the colour panel (the start-up
# macro chose a gradation) opens it; Tab from the list reaches "追加", which puts a
# stop halfway after the first. Enter on the list opens the mixer on that stop.
xdotool windowactivate --sync "$main"
click "$main" $((40 + 72 * 2)) $((menubar + 144))
click "$main" 284 $((menubar + 216))
details=$(window グラデーションの詳細)
xdotool windowactivate --sync "$details" key Tab space
shot "$details" gradient-details.png
xdotool windowactivate --sync "$details" key shift+Tab Return
mixer=$(window 色情報)
sleep 0.6
import -window root "$out/gradient-details-mixer.png"
echo "$out/gradient-details-mixer.png"

# The mixer goes (Esc); "OKLab" (left in the frame below the list), then Enter is "OK":
# the main window's strip shows the three stops mixed in OKLab.
xdotool windowactivate --sync "$mixer" key Escape
click "$details" 91 289
xdotool windowactivate --sync "$details" key Return
shot "$main" main-gradient-oklab.png
