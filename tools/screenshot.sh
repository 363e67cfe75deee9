#!/usr/bin/env bash
# Takes a screenshot of rs485config on a virtual display of a 1366 x 768
# laptop screen, showing the tab page of the given index (0 to 3).
#   tools/screenshot.sh <output.png> [english|chinese] [tab index]
# Needs the release build of ./run.sh, xvfb, scrot and xdotool.
set -euo pipefail
top=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=$(realpath -m "$1")
language=${2:-english}
tab=${3:-0}
program="$top/build/release/app/rs485config"
[[ -x $program ]] || { echo "Build first: ./run.sh" >&2; exit 1; }
command -v scrot >/dev/null || { echo "Install scrot: apt-get install scrot" >&2; exit 1; }
command -v xdotool >/dev/null || { echo "Install xdotool: apt-get install xdotool" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
case $language in
    chinese) printf '[GeneralSettings]\nlanguage=0\n' >"$work/config.ini" ;;
    english) ;;
    *) echo "language: english or chinese" >&2; exit 1 ;;
esac

cd "$work"
# A click on the first tab gives the tab widget the focus; each Ctrl+Tab then
# moves it one page on.
xvfb-run -a -s "-screen 0 1366x768x24" bash -c "
    '$program' & pid=\$!
    sleep 3
    xdotool mousemove 30 55 click 1
    for _ in \$(seq $tab); do xdotool key ctrl+Tab; sleep 0.3; done
    scrot -o '$out'
    kill \$pid"
echo "$out"
