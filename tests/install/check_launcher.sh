#!/usr/bin/env bash
# The launcher picks the program by the first language setting the user has:
#   check_launcher.sh PATH/TO/kinvora-launch
# It runs beside two stand-ins that print their name and arguments.
set -euo pipefail

if [ $# -ne 1 ] || [ ! -f "$1" ]; then
    echo "usage: $0 PATH/TO/kinvora-launch" >&2
    exit 2
fi
work="$(mktemp -d "${TMPDIR:-/tmp}/kinvora-launch.XXXXXX")"
trap 'rm -rf "$work"' EXIT
cp "$1" "$work/kinvora-launch"
chmod +x "$work/kinvora-launch"
for program in kinvora kinvora-fr; do
    printf '#!/bin/sh\necho "%s $*"\n' "$program" >"$work/$program"
    chmod +x "$work/$program"
done

failures=0
# expect PROGRAM VARIABLE=VALUE...: the launcher, started with only these settings and the
# arguments --desktop "my file.xml", runs PROGRAM with the same arguments.
expect() {
    local expected="$1"
    shift
    local output
    output="$(env -i PATH=/usr/bin:/bin "$@" "$work/kinvora-launch" --desktop "my file.xml")"
    if [ "$output" != "$expected --desktop my file.xml" ]; then
        echo "FAIL: with $* the launcher ran: $output (expected $expected)" >&2
        failures=$((failures + 1))
    fi
}

expect kinvora
expect kinvora LANG=en_GB.UTF-8
expect kinvora-fr LANG=fr_FR.UTF-8
expect kinvora-fr LANG=fr_CA
expect kinvora-fr LANG=fr
expect kinvora-fr LANG=fr_BE@euro
expect kinvora LANG=C.UTF-8
expect kinvora LANG=frisian
expect kinvora-fr LC_MESSAGES=fr_FR.UTF-8 LANG=en_US.UTF-8
expect kinvora LC_MESSAGES=en_US.UTF-8 LANG=fr_FR.UTF-8
expect kinvora-fr LC_ALL=fr_FR.UTF-8 LC_MESSAGES=en_US.UTF-8 LANG=en_US.UTF-8
expect kinvora LC_ALL=C LC_MESSAGES=fr_FR.UTF-8
expect kinvora-fr LANGUAGE=fr:en LC_ALL=en_US.UTF-8
expect kinvora LANGUAGE=en_GB:fr LANG=fr_FR.UTF-8
expect kinvora-fr LANGUAGE= LC_ALL= LC_MESSAGES= LANG=fr_FR.UTF-8

[ $failures -eq 0 ] || exit 1
echo "PASS: the launcher chose the program for every language setting"
