#!/usr/bin/env bash
# The metainfo as the build configured it names the categories of the menu entry, and
# passes appstreamcli's validation without a single error, warning or info (pedantic
# hints may stay). The validation is skipped (77) without appstreamcli (Debian's
# appstream).
#
#   MetainfoTest.sh METAINFO DESKTOP_ENTRY
set -euo pipefail
metainfo=$1 entry=$2
in_entry=$(sed -n 's/^Categories=//p' "$entry" | tr ';' '\n' | sed '/^$/d' | sort)
in_metainfo=$(grep -o '<category>[^<]*' "$metainfo" | sed 's/<category>//' | sort)
if [ "$in_entry" != "$in_metainfo" ]; then
  echo "the menu entry's categories differ from the metainfo's:"
  diff <(echo "$in_entry") <(echo "$in_metainfo") || true
  exit 1
fi
if ! command -v appstreamcli >/dev/null 2>&1; then
  echo "appstreamcli is not installed (package appstream): the metainfo check is skipped"
  exit 77
fi
exec appstreamcli validate --no-net --strict --explain "$metainfo"
