#!/usr/bin/env bash
# Start-up of the Korvala window against a bare Qt window, both optimised builds on a virtual
# display: the time until the window is mapped and the memory it then holds, as medians of
# several runs, and the ratio of the two. A benchmark that prints figures, not a test.
# Usage: bench/startup.sh [RUNS] [KORVALA_PROGRAM]; the program defaults to the bench build's.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-15}
korvala=${2:-build/bench/ui/korvala}

tools/install-deps.sh bench
cmake --preset bench >/dev/null
cmake --build --preset bench --target korvala korvala_bare_window >/dev/null

display=99
while [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp -noreset >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
export DISPLAY=:$display
for _ in $(seq 50); do xdotool getdisplaygeometry >/dev/null 2>&1 && break; sleep 0.1; done
xdotool getdisplaygeometry >/dev/null || { echo "Xvfb did not start" >&2; exit 1; }
unset QT_QPA_PLATFORM

# One run: prints the milliseconds until the window is visible and its resident kilobytes.
measure() {
    local program=$1 title=$2 start end pid
    start=$(date +%s%N)
    "$program" >/dev/null 2>build/bench/startup-errors.txt &
    pid=$!
    # Polled every few milliseconds: a tighter loop floods the display with connections.
    until xdotool search --onlyvisible --name "$title" >/dev/null 2>&1; do
        sleep 0.005
        if (($(date +%s%N) - start > 10000000000)); then
            echo "$program showed no window in 10 s" >&2
            cat build/bench/startup-errors.txt >&2
            kill -0 "$xvfb" || echo "the virtual display has gone" >&2
            kill "$pid"
            exit 1
        fi
    done
    end=$(date +%s%N)
    sleep 0.3
    echo "$(((end - start) / 1000000)) $(awk '/^VmRSS/ {print $2}' "/proc/$pid/status")"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

declare -A times memory
for name in korvala bare; do times[$name]=""; memory[$name]=""; done
for _ in $(seq "$runs"); do
    for name in korvala bare; do
        if [ "$name" = korvala ]; then
            read -r ms kb < <(measure "$korvala" "korvala.example Korvala")
        else
            read -r ms kb < <(measure build/bench/bench/korvala_bare_window "bare window")
        fi
        times[$name]+="$ms"$'\n'
        memory[$name]+="$kb"$'\n'
    done
done

korvala_ms=$(printf '%s' "${times[korvala]}" | median)
bare_ms=$(printf '%s' "${times[bare]}" | median)
korvala_kb=$(printf '%s' "${memory[korvala]}" | median)
bare_kb=$(printf '%s' "${memory[bare]}" | median)
echo "window shown: Korvala ${korvala_ms} ms, bare Qt window ${bare_ms} ms," \
    "ratio $(awk "BEGIN {printf \"%.2f\", $korvala_ms / $bare_ms}")"
echo "memory then:  Korvala ${korvala_kb} kB, bare Qt window ${bare_kb} kB," \
    "ratio $(awk "BEGIN {printf \"%.2f\", $korvala_kb / $bare_kb}")"
