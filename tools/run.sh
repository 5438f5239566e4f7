#!/usr/bin/env bash
# `make run`: the program's main job.
set -euo pipefail
if [ ! -x build/Corvane.scr ]; then
  echo "Corvane.scr is not built yet: the drawing core is in place, the program comes next."
  exit 0
fi
exec build/Corvane.scr /s
