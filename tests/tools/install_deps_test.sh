#!/usr/bin/env bash
# tools/install-deps.sh against a stand-in apt-get whose index update and install fail as each
# case says: the update is tried three times, a failed update still lets the install run (and
# run again with the release's own versions), and a failed install stops the script with the
# packages named and apt's last error line.
# Usage: install_deps_test.sh INSTALL_DEPS_SCRIPT
set -uo pipefail
script=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
bin=$scratch/bin
mkdir "$bin"

# Nothing is installed, the caller is root, sleeping only leaves a mark.
printf '#!/bin/sh\nexit 1\n' >"$bin/dpkg-query"
printf '#!/bin/sh\necho i386\n' >"$bin/dpkg"
printf '#!/bin/sh\necho 0\n' >"$bin/id"
printf '#!/bin/sh\necho "sleep $*" >>"%s/calls"\n' "$scratch" >"$bin/sleep"
# update fails the first $UPDATE_FAILURES times; install fails when $INSTALL_FAILS is "always",
# or is "unless-release" and no target release is given.
cat >"$bin/apt-get" <<STANDIN
#!/bin/sh
echo "apt-get \$*" >>"$scratch/calls"
case "\$1" in
update)
    count=\$(grep -c '^apt-get update' "$scratch/calls")
    if [ "\$count" -le "\${UPDATE_FAILURES:-0}" ]; then
        echo "E: Failed to fetch Packages.xz  File has unexpected size. Mirror sync in progress?" >&2
        exit 100
    fi ;;
install)
    if [ "\${INSTALL_FAILS:-}" = always ] || { [ "\${INSTALL_FAILS:-}" = unless-release ] &&
        ! echo "\$*" | grep -q -- '--target-release [a-z]'; }; then
        echo "W: something harmless" >&2
        echo "E: Unable to locate package cmake" >&2
        echo "E: Package 'g++' has no installation candidate" >&2
        exit 100
    fi ;;
esac
exit 0
STANDIN
chmod +x "$bin"/*

failures=0
# case name | UPDATE_FAILURES | INSTALL_FAILS | status | updates | sleeps | installs | output
run_case() {
    local name=$1 update_failures=$2 install_fails=$3 status=$4 updates=$5 sleeps=$6 \
        installs=$7 output=$8
    : >"$scratch/calls"
    local printed actual
    printed=$(PATH="$bin:$PATH" UPDATE_FAILURES=$update_failures INSTALL_FAILS=$install_fails \
        bash "$script" run 2>&1)
    actual=$?
    local counted_updates counted_sleeps counted_installs
    counted_updates=$(grep -c '^apt-get update' "$scratch/calls")
    counted_sleeps=$(grep -c '^sleep 10$' "$scratch/calls")
    counted_installs=$(grep -c '^apt-get install' "$scratch/calls")
    local got="status $actual, $counted_updates updates, $counted_sleeps sleeps, $counted_installs installs"
    local want="status $status, $updates updates, $sleeps sleeps, $installs installs"
    # One line of the script's own for a failed update, none of apt's.
    local mirror_lines
    mirror_lines=$(grep -c 'Mirror sync' <<<"$printed")
    if [ "$got" != "$want" ] || ! grep -qF -- "$output" <<<"$printed" ||
        [ "$mirror_lines" -gt 1 ]; then
        echo "FAIL $name: $got (wanted $want); printed:"
        printf '%s\n' "$printed" | sed 's/^/    /'
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

run_case "index read at once" 0 "" 0 1 0 1 "Installing: cmake"
run_case "index read at the third try" 2 "" 0 3 2 1 "Installing: cmake"
run_case "index never read, install all the same" 3 "" 0 3 2 1 \
    "install-deps: the package indexes could not all be read (E: Failed to fetch Packages.xz  File has unexpected size. Mirror sync in progress?); installing all the same"
run_case "index never read, versions disagree: the release's own" 3 unless-release 0 3 2 2 \
    "install-deps: installing again with the versions of"
run_case "install fails" 0 always 1 1 0 1 \
    "install-deps: could not install cmake ninja-build g++"
run_case "install fails: apt's last error line" 3 always 1 3 2 2 \
    "E: Package 'g++' has no installation candidate"

passed=$((6 - failures))
echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
