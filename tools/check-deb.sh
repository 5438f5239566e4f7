#!/usr/bin/env bash
# Checks the Debian package `make deb` made: lintian at the error level (when it is installed),
# the layout as dpkg-deb lists it, and the unpacked tree working as an installed one, by the
# installed tree's end-to-end tests run against it.
#
#   tools/check-deb.sh <package.deb> [<build folder>]
set -euo pipefail
deb=$1
build=${2:-build}

if command -v lintian >/dev/null; then
  lintian --allow-root --fail-on error "$deb"
else
  echo "check-deb: lintian is not installed, so the package is not linted" >&2
fi
dpkg-deb -c "$deb"

tree=$(mktemp -d)
trap 'rm -rf "$tree"' EXIT
dpkg-deb -x "$deb" "$tree"
CORVANE_UNPACKED_TREE=$tree "$build/tests/installed_e2e_test"
