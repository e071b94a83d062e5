#!/usr/bin/env bash
# The screenshot gallery, without a screen: every page with its worked example computed and every
# result window, one PNG each, from the desktop program built beforehand in build/dev.
#   scripts/screenshot.sh [DIR]     (DIR defaults to /tmp/vadocalc-gallery)
set -euo pipefail
cd "$(dirname "$0")/.."
program=build/dev/src/vadocalc
[ -x "$program" ] || { echo "screenshot: build $program first" >&2; exit 1; }
dir=${1:-/tmp/vadocalc-gallery}
# Settings and recovery files of a picture run stay out of the person's own.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
XDG_CONFIG_HOME=$scratch/config XDG_STATE_HOME=$scratch/state QT_QPA_PLATFORM=offscreen \
  "$program" --screenshot "$dir" --gallery
