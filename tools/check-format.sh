#!/usr/bin/env bash
# Fails when a tracked or new C++ file is not clang-formatted.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files -co --exclude-standard '*.cpp' '*.h' 2>/dev/null || find . -name '*.cpp' -o -name '*.h')
[ -z "$files" ] && exit 0
clang-format --dry-run -Werror $files
echo "clang-format: $(echo "$files" | wc -l) files clean"
