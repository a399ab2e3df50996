#!/usr/bin/env bash
# The manual pages render as man does (groff with preconv, so UTF-8 input is read as
# such) without one warning, and glimtex-render(1) describes every option that
# glimtex-render --help names. Skipped (77) without groff (Debian's groff-base).
#
#   ManualPageTest.sh GLIMTEX_RENDER PAGE...
set -euo pipefail
if ! command -v groff >/dev/null 2>&1; then
  echo "groff is not installed (package groff-base): the manual page check is skipped"
  exit 77
fi
render=$1
shift
status=0
for page in "$@"; do
  warnings=$(groff -k -ww -mandoc -Tutf8 -z "$page" 2>&1) || status=1
  if [ -n "$warnings" ]; then
    echo "$page:"
    echo "$warnings"
    status=1
  fi
  if [ "$(basename "$page")" = glimtex-render.1 ]; then
    # An option is written \-\-name\-part in the page, as a minus and not a hyphen.
    for option in $("$render" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
      if ! grep -qF -- "${option//-/\\-}" "$page"; then
        echo "$page does not describe $option"
        status=1
      fi
    done
  fi
done
exit $status
