#!/usr/bin/env bash
# Sets up, builds (Release) and starts Vexilor on the bundled example.
# Without a display it renders the main window to a PNG instead.
set -euo pipefail
cd "$(dirname "$0")"

scripts/bootstrap.sh
# The same configuration as ./test.sh, so that switching between them rebuilds nothing.
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=Release -DVEXILOR_WERROR=ON >/dev/null
cmake --build build --target vexilor

args=()
if [ -f examples/example.vxr ]; then
  args+=(examples/example.vxr)
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  shot=vexilor-screenshot.png
  echo "No display is available, so the window cannot be shown."
  echo "Rendering the main window to $shot instead."
  QT_QPA_PLATFORM=offscreen build/vexilor --screenshot "$shot" "${args[@]}"
  echo "Wrote $shot"
else
  exec build/vexilor "${args[@]}"
fi
