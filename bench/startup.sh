#!/usr/bin/env bash
# Start-up of the Korvala window against a bare Qt window, both optimised builds on a virtual
# display: the time until the window is mapped (told by an X event, not by polling) and the
# memory it then holds, as medians of several runs, and the ratios. A benchmark that prints
# figures, not a test.
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
    local program=$1 title=$2 start end pid waiter
    exec 4< <(build/bench/bench/korvala_window_waiter "$title")
    waiter=$!
    read -r -t 10 _ <&4 # "ready": the waiter listens
    start=$(date +%s%N)
    "$program" >/dev/null 2>build/bench/startup-errors.txt &
    pid=$!
    if ! read -r -t 10 end <&4; then
        echo "$program showed no window in 10 s" >&2
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

declare -A times memory
for name in korvala bare; do times[$name]=""; memory[$name]=""; done
for _ in $(seq "$runs"); do
    for name in korvala bare; do
        if [ "$name" = korvala ]; then
            read -r us kb < <(measure "$korvala" "korvala.example Korvala")
        else
            read -r us kb < <(measure build/bench/bench/korvala_bare_window "bare window")
        fi
        times[$name]+="$us"$'\n'
        memory[$name]+="$kb"$'\n'
    done
done

korvala_us=$(printf '%s' "${times[korvala]}" | median)
bare_us=$(printf '%s' "${times[bare]}" | median)
korvala_kb=$(printf '%s' "${memory[korvala]}" | median)
bare_kb=$(printf '%s' "${memory[bare]}" | median)
echo "window shown: Korvala $(awk "BEGIN {printf \"%.1f\", $korvala_us / 1000}") ms," \
    "bare Qt window $(awk "BEGIN {printf \"%.1f\", $bare_us / 1000}") ms," \
    "ratio $(awk "BEGIN {printf \"%.2f\", $korvala_us / $bare_us}")"
echo "memory then:  Korvala ${korvala_kb} kB, bare Qt window ${bare_kb} kB," \
    "ratio $(awk "BEGIN {printf \"%.2f\", $korvala_kb / $bare_kb}")"
