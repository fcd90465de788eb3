#!/usr/bin/env bash
# With part of the archive unread (a mirror in the middle of a sync), a Multi-Arch: same library,
# which amd64 and i386 must have in one version, can be offered to amd64 in a version that the
# readable indexes do not offer to i386. apt then upgrades it on amd64 (as a security update, or
# for a package that needs it) and cannot install or keep its i386 twin. For each such library
# that the packages about to be installed need on both architectures, prints its source and the
# newest version offered to both ("src:pcre2 10.42-1"), one a line, for an apt preferences pin:
# the library's siblings from the same source (libssl-dev with libssl3) move with it. Nothing
# for the others.
# Usage: multiarch-pins.sh PACKAGE...   (the packages about to be installed, some of them :i386)
set -euo pipefail

i386=() amd64=()
for package in "$@"; do
    if [[ $package == *:i386 ]]; then i386+=("$package"); else amd64+=("$package"); fi
done

# Every package a package needs to be installed, one a line, qualified as apt-cache prints it.
needs() {
    [ $# -gt 0 ] || return 0
    apt-cache depends --recurse --no-recommends --no-suggests --no-conflicts --no-breaks \
        --no-replaces --no-enhances "$@" 2>/dev/null | grep -v '^[ <]' | sort -u
}
installed=$(dpkg-query -W -f='${db:Status-Abbrev} ${binary:Package}\n' | awk '$1 == "ii" { print $2 }')
# The libraries that will be there on i386 and on amd64, and needed by what is installed now.
on_i386=$({ needs "${i386[@]}" | sed -n 's/:i386$//p'; sed -n 's/:i386$//p' <<<"$installed"; } | sort -u)
on_amd64=$({ needs "${amd64[@]}" | grep -v ':'; sed -n 's/:amd64$//p' <<<"$installed"; } | sort -u)
needed=$(needs "$@" | sed 's/:i386$//' | sort -u)
mapfile -t libraries < <(comm -12 <(comm -12 <(echo "$on_i386") <(echo "$on_amd64")) <(echo "$needed"))
[ ${#libraries[@]} -gt 0 ] || exit 0

# "library candidate source" for the Multi-Arch: same ones, as apt would choose them on amd64.
candidates=$(apt-cache policy "${libraries[@]/%/:amd64}" 2>/dev/null |
    awk '/^[^ ]/ { sub(/:.*/, ""); library = $0 } $1 == "Candidate:" { print library, $2 }')
same=$(apt-cache show --no-all-versions "${libraries[@]/%/:amd64}" 2>/dev/null | awk '
    $1 == "Package:" { library = $2; source = $2 }
    $1 == "Source:" { source = $2 }
    $1 == "Multi-Arch:" && $2 == "same" { multi_arch[library] = 1 }
    /^$/ && library in multi_arch { print library, source; delete multi_arch[library] }
    END { if (library in multi_arch) print library, source }')
[ -n "$same" ] || exit 0
# "library:arch version" for every version the readable indexes offer.
offered=$(apt-cache madison $(awk '{ print $1 ":amd64", $1 ":i386" }' <<<"$same") 2>/dev/null |
    awk -F' *[|] *' '{ sub(/^ +/, "", $1); if ($1 !~ /:/) $1 = $1 ":amd64"; print $1, $2 }')

while read -r library source; do
    candidate=$(awk -v l="$library" '$1 == l { print $2 }' <<<"$candidates")
    on_i386=$(awk -v l="$library:i386" '$1 == l { print $2 }' <<<"$offered")
    ! grep -qxF -- "$candidate" <<<"$on_i386" || continue
    on_amd64=$(awk -v l="$library:amd64" '$1 == l { print $2 }' <<<"$offered")
    newest=""
    while read -r version; do
        if [ -n "$version" ] && grep -qxF -- "$version" <<<"$on_amd64" &&
            { [ -z "$newest" ] || dpkg --compare-versions "$version" gt "$newest"; }; then
            newest=$version
        fi
    done <<<"$on_i386"
    [ -z "$newest" ] || echo "src:$source $newest"
done <<<"$same" | sort -u
