#!/usr/bin/env bash
# Lists what a screen reader is told about glimtex's main window: starts the real
# program under Xvfb, inside a D-Bus session of its own with the desktop's
# accessibility bus (AT-SPI), opens the main window and each of its six panels in
# turn, and prints every control that bus sees there, with its role and name.
# Installs Xvfb, the accessibility bus and its Python client when they are missing.
# Not run by ./test.sh or CI.
#
#   scripts/atspi-check.sh          GLIMTEX=path chooses the program (build/bin/glimtex)
#
# Exits with 1 when any control a person operates (a button, a check or radio box, a
# combo box, a text box, a list, a tab, a focusable bar or swatch) has no name.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh xvfb x11-utils dbus dbus-x11 at-spi2-core python3-pyatspi >/dev/null
program=${GLIMTEX:-build/bin/glimtex}
if [ ! -x "$program" ]; then
  cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build build -j "$(nproc 2>/dev/null || echo 2)" --target glimtex
fi

# A program folder of its own, so the run never touches the build's files.
folder=$(mktemp -d)
cleanup() {
  [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null || true
  rm -rf "$folder"
}
trap cleanup EXIT
cp -r "$(dirname "$program")"/{Default,Include,Macro} "$folder"/

# A display of its own: Xvfb picks a free number and writes it when it is ready.
Xvfb -displayfd 3 -screen 0 1280x900x24 -nolisten tcp 3>"$folder/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 100); do [ -s "$folder/display" ] && break; sleep 0.1; done
display=:$(cat "$folder/display")
export QT_QPA_PLATFORM=xcb
# Qt speaks to the accessibility bus only when a screen reader asked for it; here the
# listing below is that reader.
export QT_ACCESSIBILITY=1 QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# Debian's Python, where python3-pyatspi is installed, whatever python3 the PATH finds.
# Only glimtex is given the display: the bus is found through D-Bus alone, and the
# bus's own programs end with the session rather than with the display. Their notes
# about starting are left out of what is printed.
unset DISPLAY
dbus-run-session -- /usr/bin/python3 scripts/atspi_check.py "$program" "$folder" "$display" \
  2> >(grep -v -e '^dbus-daemon\[' >&2) | grep -v '^SpiRegistry daemon'
