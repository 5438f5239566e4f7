#!/usr/bin/env bash
# Checks the folders' dependency order: a file may include only headers of its own folder or of
# folders earlier in the list below (README.md, "Architecture"). Prints each include that breaks
# it and fails if there is one.
set -euo pipefail
cd "$(dirname "$0")/.."

order=(
  abi
  platform/gfx
  platform/log
  platform
  platform/loop
  platform/api
  platform/forms
  platform/profile
  platform/media
  platform/posix
  platform/x11
  platform/desktop
  platform/fake
  effect
  core
  controls
  resources
  music
  display
  preview
  settings
  main
  tools
  bench
  tests
  fuzz
)

# The rank of the folder a path belongs to: its longest listed prefix.
rank_of() {
  local path=$1 best=-1 best_len=0 i
  for i in "${!order[@]}"; do
    local folder=${order[$i]}
    if [[ $path == "$folder"/* && ${#folder} -gt $best_len ]]; then
      best=$i
      best_len=${#folder}
    fi
  done
  echo "$best"
}

status=0
while IFS= read -r file; do
  own=$(rank_of "$file")
  [ "$own" -ge 0 ] || continue
  while IFS= read -r header; do
    theirs=$(rank_of "$header")
    if [ "$theirs" -lt 0 ] || [ "$theirs" -gt "$own" ]; then
      echo "$file includes $header, which is not below it" >&2
      status=1
    fi
  done < <(sed -n 's/^#include "\([^"]*\)".*/\1/p' "$file")
done < <(git ls-files '*.cpp' '*.h' '*.c')
exit $status
