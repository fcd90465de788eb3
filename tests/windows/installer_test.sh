#!/usr/bin/env bash
# Does with the setup program what a user does, in a throw-away Wine prefix: opens its first page
# on Windows in three languages; installs silently, checks the files, the shortcut and the
# uninstall entry, opens the installed window and asks the installed korvala-calc; installs again
# over it, and tries again while Korvala runs (its window, or korvala-calc); then uninstalls with
# the entry's own command and checks that only what the user put there is left.
# Run it on a display (xvfb-run).
# Usage: installer_test.sh WINE win32|win64 PREFIX SETUP.EXE WINDOW_OPENS.EXE SETUP_LANGUAGE.EXE
#        KORVALA.EXE KORVALA-CALC.EXE VERSION
#   KORVALA.EXE and KORVALA-CALC.EXE are the programs the setup program must install there.
set -Eeuo pipefail
wine=$1 arch=$2 setup=$4 window_opens=$5 setup_language=$6 korvala=$7 calc=$8 version=$9
export WINEPREFIX=$3 WINEARCH=$arch WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;winedbg.exe=d"
wineserver=$(dirname "$wine")/wineserver
rm -rf "$WINEPREFIX"
trap '"$wineserver" -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
# A step that fails unexpectedly ends the test; it says which.
trap 'echo "FAILED: line $LINENO: $BASH_COMMAND" >&2' ERR

failures=0
fail() {
    echo "FAILED: $*" >&2
    failures=$((failures + 1))
}
die() {
    echo "FAILED: $*" >&2
    exit 1
}
# What a Windows program writes, without its line ends' CR; its messages stay on standard error
# (which CTest shows when a test fails).
windows() { "$wine" "$@" | tr -d '\r'; }
unix_path() { windows winepath -u "$1"; }
contents() { find "$1" -mindepth 1 -printf '%P\n' | sort; }

"$wine" wineboot --init
"$wineserver" -w
folder=$(windows cmd /c echo '%LOCALAPPDATA%')'\Programs\Korvala'
installed=$(unix_path "$folder")
shortcut=$(unix_path "$(windows cmd /c echo '%APPDATA%')\\Microsoft\\Windows\\Start Menu\\Programs\\Korvala.lnk")
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Korvala'
programs=(korvala.exe korvala-calc.exe LICENSE.txt README.txt uninstall.exe)
user_file='мои задачи.txt'

# The entry's values as "name type value" lines, sorted.
entry() { windows reg query "$key" | sed -n 's/^    \([^ ]*\)    \([^ ]*\)    /\1 \2 /p' | sort; }

expected_entry() {
    local bytes=0 file
    for file in "${programs[@]}"; do
        bytes=$((bytes + $(stat -c %s "$installed/$file")))
    done
    printf '%s\n' \
        "DisplayIcon REG_SZ $folder\\korvala.exe,0" \
        'DisplayName REG_SZ Korvala' \
        "DisplayVersion REG_SZ $version" \
        "EstimatedSize REG_DWORD $(printf '0x%x' $(((bytes + 1023) / 1024)))" \
        "InstallLocation REG_SZ $folder" \
        'NoModify REG_DWORD 0x1' \
        'NoRepair REG_DWORD 0x1' \
        'Publisher REG_SZ korvala.example' \
        "QuietUninstallString REG_SZ \"$folder\\uninstall.exe\" /S" \
        "UninstallString REG_SZ \"$folder\\uninstall.exe\""
}

# Checks an installation: the files (and those named, which the user put there), the programs
# of this architecture, the shortcut, the one uninstall entry and its values.
check_installed() {
    local when=$1
    shift
    local listed
    listed=$(contents "$installed")
    [ "$listed" = "$(printf '%s\n' "${programs[@]}" "$@" | sort)" ] ||
        fail "$when: the folder holds: $listed"
    cmp -s "$installed/korvala.exe" "$korvala" || fail "$when: korvala.exe is not this build's"
    cmp -s "$installed/korvala-calc.exe" "$calc" || fail "$when: korvala-calc.exe is not this build's"
    [ -f "$shortcut" ] || fail "$when: no Start-menu shortcut"
    # Not grep -q, which would cut strings off mid-write and fail the pipe.
    { strings -a "$shortcut"; strings -a -el "$shortcut"; } |
        grep -iF 'Programs\Korvala\korvala.exe' >/dev/null || fail "$when: the shortcut leads elsewhere"
    local actual
    actual=$(entry)
    [ "$actual" = "$(expected_entry)" ] ||
        fail "$when: the uninstall entry differs:$(diff <(expected_entry) <(echo "$actual") | sed 's/^/\n  /')"
    local entries
    entries=$(windows reg query 'HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall' /s |
        grep -c 'DisplayName    REG_SZ    Korvala$' || true)
    [ "$entries" = 1 ] || fail "$when: $entries uninstall entries for Korvala"
}

install() {
    local status=0
    "$wine" "$setup" /S || status=$?
    [ "$status" = 0 ] || die "$1: the setup program ended with status $status"
}

uninstall() {
    local command program arguments
    command=$(entry | sed -n 's/^QuietUninstallString REG_SZ //p')
    [ -n "$command" ] || die "$1: no QuietUninstallString"
    program=${command#\"}
    program=${program%%\"*}
    read -ra arguments <<<"${command##*\" }"
    # The uninstaller runs from a copy in %TEMP% and returns at once: wait for it.
    "$wine" "$program" "${arguments[@]}" || die "$1: the uninstaller failed to start"
    "$wineserver" -w
}

# The pages are Bulgarian, but English on an English Windows (of any country).
for language in 'bg_BG:Напред >' 'en_GB:Next >' 'de_DE:Напред >'; do
    page=$(env LANG="${language%%:*}.UTF-8" LC_ALL="${language%%:*}.UTF-8" \
        "$wine" "$setup_language" "$(windows winepath -w "$setup")" | tr -d '\r')
    # Where the keyboard accelerator (&) stands is the translation's business.
    [ "${page//&/}" = "${language#*:}" ] ||
        fail "on a ${language%%:*} Windows the first page shows \"$page\""
done

install "first installation"
check_installed "first installation"
"$wine" "$window_opens" "$folder\\korvala.exe" || fail "the installed window did not open"
request='{"type": 0, "texts": ["1", "1", "", "", ""], "checks": [1, 1, 0, 0, 0]}'
completed='{"outcome":"completed","texts":["1.0000000","1.0000000","2.2360680","6.2831853","3.1415927"],"shown":["1.00000","1.00000","2.23606","6.28318","3.14159"],"exact":["1","1","√5","2π","π"],"base":{"text":"3.1415927","exact":"π"},"total":{"text":"12.5663706","exact":"4π"},"steps":["D = √(H² + 4·R²) = √(1² + 4·1²) = √5 ≈ 2.2360680","S = 2π·R·H = 2π·1·1 = 2π ≈ 6.2831853","V = π·R²·H = π·1²·1 = π ≈ 3.1415927","B = π·R² = π·1² = π ≈ 3.1415927","S₁ = S + 2·B = 6.2831853 + 2·3.1415927 = 4π ≈ 12.5663706"]}'
answer=$(echo "$request" | windows "$folder\\korvala-calc.exe" --decimal .)
[ "$answer" = "$completed" ] || fail "the installed korvala-calc answered: $answer"

echo 'R = 2, H = 3' >"$installed/$user_file"
install "installation over an installed Korvala"
check_installed "installation over an installed Korvala" "$user_file"

status=0
"$wine" "$window_opens" "$folder\\korvala.exe" "$(windows winepath -w "$setup") /S" ||
    status=$?
[ "$status" = 2 ] || fail "installing while Korvala runs ended with status $status, not 2 (stopped)"
check_installed "after installing while Korvala runs" "$user_file"
# Run in place (_?=), the uninstaller ends with its own status instead of returning at once.
status=0
"$wine" "$window_opens" "$folder\\korvala.exe" "\"$folder\\uninstall.exe\" /S _?=$folder" ||
    status=$?
[ "$status" = 2 ] || fail "uninstalling while Korvala runs ended with status $status, not 2 (stopped)"
check_installed "after uninstalling while Korvala runs" "$user_file"

# korvala-calc serving a script holds its program file as well; it is running once it answers.
mkfifo "$WINEPREFIX/requests" "$WINEPREFIX/answers"
"$wine" "$folder\\korvala-calc.exe" --decimal . <"$WINEPREFIX/requests" >"$WINEPREFIX/answers" &
calc_job=$!
exec 3>"$WINEPREFIX/requests" 4<"$WINEPREFIX/answers"
echo "$request" >&3
answer=
read -r -t 120 answer <&4 || true
[ "${answer%$'\r'}" = "$completed" ] || fail "korvala-calc serving a script answered: $answer"
status=0
"$wine" "$setup" /S || status=$?
[ "$status" = 2 ] || fail "installing while korvala-calc runs ended with status $status, not 2"
exec 3>&-
wait "$calc_job" || fail "korvala-calc did not end cleanly at the end of its input"
exec 4<&-
check_installed "after installing while korvala-calc runs" "$user_file"

uninstall "uninstallation"
left=$(contents "$installed")
[ "$left" = "$user_file" ] || fail "after uninstallation the folder holds: $left"
[ ! -e "$shortcut" ] || fail "the shortcut is left after uninstallation"
windows reg query "$key" >/dev/null && fail "the uninstall entry is left after uninstallation"

rm "$installed/$user_file"
install "installation into the folder left"
check_installed "installation into the folder left"
uninstall "uninstallation of everything"
[ ! -e "$installed" ] || fail "the emptied folder is left after uninstallation"
left=$(cd "$WINEPREFIX" && { grep -il korvala ./*.reg || true; find drive_c -iname '*korvala*'; })
[ -z "$left" ] || fail "left after uninstallation: $left"

[ "$failures" = 0 ] || exit 1
echo "installed, checked, installed again, refused while running, uninstalled: all as expected"
