#!/usr/bin/env bash
# Copies the pictures the Qt tests grabbed (the dialog, the canvas, the plan window, drawing pages)
# from the build folder into docs/, for when the README's pictures are to change. A test run never
# writes into docs/ itself. Run after `make test`.
set -euo pipefail
cd "$(dirname "$0")/.."
shots=build/dev/screenshots
if ! compgen -G "$shots/*.png" >/dev/null; then
  echo "No pictures in $shots: run 'make test' first." >&2
  exit 1
fi
cp -v "$shots"/*.png docs/
