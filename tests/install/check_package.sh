#!/usr/bin/env bash
# Builds the Debian package from a build and checks its control fields and contents:
#   check_package.sh BUILD_DIR VERSION
set -euo pipefail

if [ $# -ne 2 ] || [ ! -f "$1/CPackConfig.cmake" ]; then
    echo "usage: $0 BUILD_DIR VERSION" >&2
    exit 2
fi
build="$1"
version="$2"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"

work="$(mktemp -d "${TMPDIR:-/tmp}/kinvora-package.XXXXXX")"
trap 'rm -rf "$work"' EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

for tool in cpack dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || fail "$tool is not installed"
done

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work" >"$work/cpack.log" 2>&1 || {
    cat "$work/cpack.log" >&2
    fail "cpack failed"
}
architecture="$(dpkg --print-architecture)"
deb="$work/kinvora_${version}_$architecture.deb"
[ -f "$deb" ] || fail "no $(basename "$deb") (made: $(cd "$work" && ls -- *.deb 2>/dev/null))"

# field NAME: the control field's value.
field() {
    dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = kinvora ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)', not $version"
[ "$(field Architecture)" = "$architecture" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Section)" = graphics ] || fail "Section is '$(field Section)'"
[[ "$(field Maintainer)" =~ ^[^\<]+\ \<[^@\>]+@[^\>]+\>$ ]] ||
    fail "Maintainer is not 'Name <address>': '$(field Maintainer)'"
[[ "$(field Homepage)" == https://* ]] || fail "Homepage is '$(field Homepage)'"
description="$(field Description)"
[[ "$(head -n 1 <<<"$description")" == *timeline* ]] || fail "Description starts: $description"
[ "$(wc -l <<<"$description")" -ge 2 ] || fail "Description has no long part"
awk 'length > 80 || /;/ { bad = 1; print } END { exit bad }' <<<"$description" >&2 ||
    fail "Description lines must be at most 80 characters, without list separators"

# dpkg-shlibdeps found what the programs link: Qt's widgets, Expat and the C++ runtime.
depends="$(field Depends)"
for library in libqt6core6 libqt6gui6 libqt6widgets6 libexpat1 libstdc\\+\\+6 libc6; do
    [[ "$depends" =~ (^|,\ )$library( |,|$) ]] || fail "Depends lacks $library: $depends"
done

# The installed files, under /usr, and nothing else.
dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | LC_ALL=C sort \
    >"$work/contents.txt"
sed 's|^|usr/|' "$here/installed_files.txt" | LC_ALL=C sort >"$work/expected.txt"
diff "$work/expected.txt" "$work/contents.txt" >&2 ||
    fail "the package's files differ from the install tree (< expected, > found)"
dpkg-deb -c "$deb" | awk '$6 ~ /usr\/bin\/./ && $1 != "-rwxr-xr-x" { bad = 1; print }
                         END { exit bad }' >&2 || fail "a program in the package is not 0755"
# The triggers rebuild the MIME and desktop databases; the licence is where Debian expects it.
dpkg-deb -I "$deb" triggers >"$work/triggers.txt" 2>/dev/null || fail "the package has no triggers"
for folder in /usr/share/mime/packages /usr/share/applications; do
    grep -qx "activate-noawait $folder" "$work/triggers.txt" || fail "no trigger for $folder"
done
grep -qx "usr/share/doc/kinvora/copyright" "$work/contents.txt" || fail "no copyright file"
[[ "$(field Recommends)" == *shared-mime-info* ]] || fail "Recommends: $(field Recommends)"
echo "PASS: $(basename "$deb"), $(wc -l <"$work/contents.txt") files, Depends: $depends"
