#!/usr/bin/env bash
# Takes a screenshot of rs485config on a virtual display.
#   tools/screenshot.sh <output.png> [english|chinese] [tab index]
# Needs the release build of ./run.sh, xvfb and scrot.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$(realpath -m "$1")
language=${2:-english}
program="$top/build/release/app/rs485config"
[[ -x $program ]] || { echo "Build first: ./run.sh" >&2; exit 1; }
command -v scrot >/dev/null || { echo "Install scrot: apt-get install scrot" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
case $language in
    chinese) printf '[GeneralSettings]\nlanguage=0\n' >"$work/config.ini" ;;
    english) ;;
    *) echo "language: english or chinese" >&2; exit 1 ;;
esac

cd "$work"
xvfb-run -a -s "-screen 0 900x640x24" bash -c "
    '$program' & pid=\$!
    sleep 3
    scrot -o '$out'
    kill \$pid"
echo "$out"
