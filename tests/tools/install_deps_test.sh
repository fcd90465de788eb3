#!/usr/bin/env bash
# tools/install-deps.sh against a stand-in apt-get whose index update and install fail as each
# case says: the update is tried three times, a failed update still lets the install run (and
# run again with the libraries that both architectures need in one version pinned to a version
# both can get), a failed install stops the script with the packages named and apt's last error
# line, and a machine that cannot execute 32-bit x86 programs gets no i386 package.
# Usage: install_deps_test.sh INSTALL_DEPS_SCRIPT
set -uo pipefail
script=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
bin=$scratch/bin
mkdir "$bin" "$scratch/tools"
cp "$script" "$(dirname "$script")/multiarch-pins.sh" "$scratch/tools/"
script=$scratch/tools/$(basename "$script")
# The machine answers as $X86 says.
printf '#!/bin/sh
[ "$X86" = yes ] && echo "32-bit x86 programs: yes" && exit 0
echo "32-bit x86 programs: no (stand-in)"
exit 1
' \
    >"$scratch/tools/x86-programs.sh"

# None of the packages wanted is installed, the caller is root, sleeping only leaves a mark.
# Installed: libc6, offered to i386 in its own version; libpcre2-8-0, whose security update
# amd64 is offered and i386 is not; tzdata, newer for amd64 too but Multi-Arch: foreign.
cat >"$bin/dpkg-query" <<'STANDIN'
#!/bin/sh
case "$*" in
*db:Status-Abbrev*) printf 'ii  %s\n' libc6:amd64 libpcre2-8-0:amd64 libpcre2-dev:amd64 tzdata ;;
*) exit 1 ;;
esac
STANDIN
cat >"$bin/apt-cache" <<'STANDIN'
#!/bin/sh
command=$1
shift
case "$command" in
depends) case "$*" in
    *:i386*) printf '%s\n' wine32:i386 '  Depends: libc6:i386' libc6:i386 libpcre2-8-0:i386 tzdata:i386 ;;
    *) printf '%s\n' cmake libc6 ;;
    esac ;;
policy) for package; do
    case "$package" in
    libc6:*) printf 'libc6:\n  Installed: 2.36-9+deb12u13\n  Candidate: 2.36-9+deb12u13\n' ;;
    libpcre2-8-0:*) printf 'libpcre2-8-0:\n  Installed: 10.42-1+deb12u2\n  Candidate: 10.42-1+deb12u2\n' ;;
    tzdata:*) printf 'tzdata:\n  Installed: 2024a\n  Candidate: 2025a\n' ;;
    esac
    done ;;
madison) printf '%s\n' ' libc6 | 2.36-9+deb12u13 | main' 'libc6:i386 | 2.36-9+deb12u13 | main' \
    ' libpcre2-8-0 | 10.42-1+deb12u2 | security' ' libpcre2-8-0 |    10.42-1 | main' \
    'libpcre2-8-0:i386 |    10.42-1 | main' ' tzdata | 2025a | security' ' tzdata | 2024a | main' \
    'tzdata:i386 | 2024a | main' ;;
show) printf '%s\n' 'Package: libc6' 'Source: glibc' 'Multi-Arch: same' '' 'Package: libpcre2-8-0' \
    'Source: pcre2' 'Multi-Arch: same' '' 'Package: tzdata' 'Multi-Arch: foreign' ;;
esac
STANDIN
printf '#!/bin/sh\n[ "$1" = --compare-versions ] && exec /usr/bin/dpkg "$@"\necho "dpkg $*" >>"%s/calls"\necho i386\n' \
    "$scratch" >"$bin/dpkg"
printf '#!/bin/sh\necho 0\n' >"$bin/id"
printf '#!/bin/sh\necho "sleep $*" >>"%s/calls"\n' "$scratch" >"$bin/sleep"
printf '#!/bin/sh\necho "npm $*" >>"%s/calls"\n' "$scratch" >"$bin/npm"
# update fails the first $UPDATE_FAILURES times; install fails when $INSTALL_FAILS is "always",
# or is "unless-pinned" and the preferences handed to it do not pin pcre2 alone, to 10.42-1.
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
    preferences=\$(echo "\$*" | sed -n 's/.*Dir::Etc::Preferences=\\([^ ]*\\).*/\\1/p')
    [ -z "\$preferences" ] || cat "\$preferences" >>"$scratch/calls"
    if [ "\${INSTALL_FAILS:-}" = always ] || { [ "\${INSTALL_FAILS:-}" = unless-pinned ] &&
        { [ "\$(grep -c '^Package:' "\${preferences:-/dev/null}")" != 1 ] ||
        ! grep -qz 'Package: src:pcre2.Pin: version 10.42-1.Pin-Priority: 1001' "\$preferences"; }; }; then
        echo "W: something harmless" >&2
        echo "E: Unable to locate package cmake" >&2
        echo "E: Package 'g++' has no installation candidate" >&2
        exit 100
    fi ;;
esac
exit 0
STANDIN
chmod +x "$bin"/* "$scratch/tools"/*

failures=0
# case name | mode | X86 | UPDATE_FAILURES | INSTALL_FAILS | status | updates | sleeps | installs |
# output | a pattern no call may have
run_case() {
    local name=$1 mode=$2 x86=$3 update_failures=$4 install_fails=$5 status=$6 updates=$7 \
        sleeps=$8 installs=$9 output=${10} never=${11:-}
    : >"$scratch/calls"
    local printed actual
    printed=$(PATH="$bin:$PATH" X86=$x86 UPDATE_FAILURES=$update_failures \
        INSTALL_FAILS=$install_fails bash "$script" "$mode" 2>&1)
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
        [ "$mirror_lines" -gt 1 ] || { [ -n "$never" ] && grep -qE -- "$never" "$scratch/calls"; }; then
        echo "FAIL $name: $got (wanted $want); printed:"
        printf '%s\n' "$printed" | sed 's/^/    /'
        sed 's/^/    call: /' "$scratch/calls"
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

run_case "index read at once" run yes 0 "" 0 1 0 1 "Installing: cmake"
run_case "index read at the third try" run yes 2 "" 0 3 2 1 "Installing: cmake"
run_case "index never read, install all the same" run yes 3 "" 0 3 2 1 \
    "install-deps: the package indexes could not all be read (E: Failed to fetch Packages.xz  File has unexpected size. Mirror sync in progress?); installing all the same"
run_case "index never read, an i386 library behind its amd64 twin: its source pinned" \
    ci yes 3 unless-pinned 0 3 2 2 "can get: src:pcre2 10.42-1"
run_case "install fails" run yes 0 always 1 1 0 1 \
    "install-deps: could not install cmake ninja-build g++"
run_case "install fails: apt's last error line" ci yes 3 always 1 3 2 2 \
    "E: Package 'g++' has no installation candidate"
run_case "no 32-bit programs here: no i386 package" ci no 0 "" 0 1 0 1 \
    "install-deps: leaving out the i386 packages, since 32-bit x86 programs: no (stand-in)" \
    ":i386|add-architecture"

passed=$((7 - failures))
echo "$passed passed, $failures failed"
[ "$failures" -eq 0 ]
