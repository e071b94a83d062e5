#!/usr/bin/env bash
# Saves pictures of pages of the desktop program, built beforehand in build/dev, without a
# screen: the main page to /tmp/vadocalc-main.png and the weir page to /tmp/vadocalc-weir.png,
# or the pages given as NAME=INDEX arguments (e.g. orifice=2) to /tmp/vadocalc-NAME.png.
set -euo pipefail
cd "$(dirname "$0")/.."
program=build/dev/src/vadocalc
[ -x "$program" ] || { echo "screenshot: build $program first" >&2; exit 1; }
[ $# -gt 0 ] || set -- main=0 weir=1

run() {
  if command -v xvfb-run >/dev/null 2>&1; then
    xvfb-run -a -s "-screen 0 1280x1024x24" "$@"
  else
    QT_QPA_PLATFORM=offscreen "$@"
  fi
}

for page in "$@"; do
  name=${page%%=*}
  index=${page#*=}
  out=/tmp/vadocalc-$name.png
  run "$program" --screenshot "$out" --page "$index"
  echo "$out"
done
