#!/usr/bin/env bash
# Installs the Debian packages listed in a package list (default tools/packages.txt) that are not
# installed yet.
# Quick when everything is there: it asks dpkg first and runs apt-get only for what is missing.
set -euo pipefail
list=${1:-"$(dirname "$0")/packages.txt"}
mapfile -t wanted < <(sed -e 's/#.*//' -e 's/[[:space:]]//g' "$list" | grep .)
missing=()
for pkg in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$pkg" 2>/dev/null || true)
  [ "$status" = installed ] || missing+=("$pkg")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -eq 0 ] || sudo=sudo
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
