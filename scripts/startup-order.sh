#!/usr/bin/env bash
# Writes src/app/startup.order: the desktop program's functions that a start runs (model, window,
# first page, first paint), which the linker lays out together so that a start maps a few hundred
# kB of the program's code rather than all of it. Run it after a change that moves start-up work
# (new pages, a new start-up step); names that have since left the program are skipped by the
# linker, so an old list only costs memory, never correctness.
# usage: scripts/startup-order.sh [BUILD_DIR]   (default build/release; needs valgrind)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/release}
program=$build/src/vadocalc
command -v valgrind >/dev/null || { echo "startup-order: needs valgrind (apt-get install valgrind)" >&2; exit 1; }
[ -x "$program" ] || { echo "startup-order: build $program first" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A private settings and state folder: a start as on a fresh account, no window geometry, no
# recovered work.
export QT_QPA_PLATFORM=offscreen XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state
valgrind --tool=callgrind --demangle=no --callgrind-out-file="$work/calls" "$program" \
  >/dev/null 2>&1 &
pid=$!
# Under valgrind a start takes some seconds; the program then idles in its event loop, where the
# counts are taken and it is stopped.
sleep "${STARTUP_ORDER_WAIT:-25}"
callgrind_control -d "$pid" >/dev/null
sleep 2
kill "$pid"
wait "$pid" 2>/dev/null || true

python3 - "$work" "$program" >src/app/startup.order <<'PY'
import glob, re, sys
work, program = sys.argv[1], sys.argv[2]
dump = max(glob.glob(work + "/calls*"), key=len)  # the dump taken while idle
objects, functions, current, seen = {}, {}, None, []
for line in open(dump, encoding="utf-8", errors="replace"):
    m = re.match(r"^(c?ob)=\((\d+)\)(?: (.*))?$", line.rstrip("\n"))
    if m:
        kind, key, name = m.groups()
        if name: objects[key] = name
        if kind == "ob": current = objects[key]
        continue
    m = re.match(r"^(c?fn)=\((\d+)\)(?: (.*))?$", line.rstrip("\n"))
    if not m: continue
    kind, key, name = m.groups()
    if name: functions[key] = name
    if kind == "fn" and current and current.endswith("/vadocalc"):
        symbol = re.sub(r"'\d+$", "", functions[key])  # callgrind marks recursion levels
        if not symbol.startswith("0x") and symbol not in seen: seen.append(symbol)
print("\n".join(seen))
PY
echo "startup-order: $(wc -l <src/app/startup.order) functions in src/app/startup.order"
