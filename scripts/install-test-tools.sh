#!/usr/bin/env bash
# Installs the npm packages of tests/tools (the Nu HTML checker, the BBCode renderer and
# culori) exactly as package-lock.json lists them, when they are not installed as listed.
# Fails when npm is missing or the packages cannot be fetched.
set -euo pipefail
cd "$(dirname "$0")/../tests/tools"
command -v npm >/dev/null 2>&1 || exit 1
# npm ci empties node_modules first: a copy of the lock file it installed tells whether
# the packages there are still the ones listed.
if cmp -s package-lock.json node_modules/.installed-lock.json 2>/dev/null; then exit 0; fi
npm ci --silent
cp package-lock.json node_modules/.installed-lock.json
