#!/usr/bin/env bash
# Start-up of the Korvala window against two bare Qt windows, an empty one and one showing a
# single label in the window's font (a window that shows text pays for Qt's font database and a
# first font face, which an empty window never does), all optimised builds on a virtual display:
# the time until the window is mapped (told by an X event, not by polling) and the memory it then
# holds, as medians of several runs, and the ratios. A benchmark that prints figures, not a test.
# Usage: bench/startup.sh [RUNS] [KORVALA_PROGRAM]; the program defaults to the bench build's.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
korvala=${2:-build/bench/ui/korvala}

tools/install-deps.sh bench
cmake --preset bench >/dev/null
cmake --build --preset bench --target korvala korvala_bare_window korvala_window_waiter >/dev/null

display=99
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=:$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getdisplaygeometry >/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
unset QT_QPA_PLATFORM

# One run: prints the microseconds until the window is mapped and its resident kilobytes.
measure() {
    local title=$1 start end pid waiter
    shift
    exec 4< <(build/bench/bench/korvala_window_waiter "$title")
    waiter=$!
    read -r -t 10 _ <&4 # "ready": the waiter listens
    start=$(date +%s%N)
    "$@" >/dev/null 2>build/bench/startup-errors.txt &
    pid=$!
    if ! read -r -t 10 end <&4; then
        echo "$* showed no window in 10 s" >&2
        cat build/bench/startup-errors.txt >&2
        kill "$pid" "$waiter" 2>/dev/null
        exit 1
    fi
    exec 4<&-
    sleep 0.3
    echo "$(((end - start) / 1000)) $(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

names=(korvala bare label)
declare -A times memory
for name in "${names[@]}"; do times[$name]=""; memory[$name]=""; done
bare=build/bench/bench/korvala_bare_window
for _ in $(seq "$runs"); do
    for name in "${names[@]}"; do
        case $name in
        korvala) read -r run_us run_kb < <(measure "korvala.example Korvala" "$korvala") ;;
        bare) read -r run_us run_kb < <(measure "bare window" "$bare") ;;
        label) read -r run_us run_kb < <(measure "label window" "$bare" --label) ;;
        esac
        times[$name]+="$run_us"$'\n'
        memory[$name]+="$run_kb"$'\n'
    done
done

declare -A us kb
for name in "${names[@]}"; do
    us[$name]=$(printf '%s' "${times[$name]}" | median)
    kb[$name]=$(printf '%s' "${memory[$name]}" | median)
done
ms() { awk "BEGIN {printf \"%.1f\", $1 / 1000}"; }
ratio() { awk "BEGIN {printf \"%.2f\", $1 / $2}"; }
echo "window shown: Korvala $(ms "${us[korvala]}") ms, one-label window $(ms "${us[label]}") ms," \
    "bare Qt window $(ms "${us[bare]}") ms; ratios $(ratio "${us[korvala]}" "${us[label]}")" \
    "(one label), $(ratio "${us[korvala]}" "${us[bare]}") (bare)"
echo "memory then:  Korvala ${kb[korvala]} kB, one-label window ${kb[label]} kB," \
    "bare Qt window ${kb[bare]} kB; ratios $(ratio "${kb[korvala]}" "${kb[label]}") (one label)," \
    "$(ratio "${kb[korvala]}" "${kb[bare]}") (bare)"
