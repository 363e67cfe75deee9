#!/usr/bin/env bash
# Builds the Debian package with tools/package.sh and checks it: exactly the
# files it should hold, lintian without errors, a valid desktop entry and
# AppStream file, and programs that run from the package unpacked elsewhere.
#   check_package.sh <source folder> <work folder> <version> <with rs485ctl: 0|1>
set -euo pipefail
source_dir=$1
work=$2
version=$3
with_ctl=$4

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

rm -rf "$work"
mkdir -p "$work/out" "$work/root" "$work/cwd"
"$source_dir/tools/package.sh" "$work/out"
deb="$work/out/rs485config_${version}_$(dpkg --print-architecture).deb"
[[ -f $deb ]] || fail "no $deb"

# The installed files and nothing else: nothing from a build or test tree.
expected=(
    usr/bin/rs485config
    usr/bin/rs485config-gateway-emulator
    usr/share/applications/rs485config.desktop
    usr/share/doc/rs485config/README.md
    usr/share/doc/rs485config/changelog.gz
    usr/share/doc/rs485config/copyright
    usr/share/icons/hicolor/256x256/apps/rs485config.png
    usr/share/icons/hicolor/scalable/apps/rs485config.svg
    usr/share/man/man1/rs485config-gateway-emulator.1.gz
    usr/share/man/man1/rs485config.1.gz
    usr/share/metainfo/org.example.rs485config.metainfo.xml
)
if [[ $with_ctl == 1 ]]; then
    expected+=(usr/bin/rs485ctl usr/share/man/man1/rs485ctl.1.gz)
fi
contents=$(dpkg-deb --contents "$deb" | awk '$1 !~ /^d/ { sub(/^\.\//, "", $6); print $6 }' | sort)
if [[ $contents != "$(printf '%s\n' "${expected[@]}" | sort)" ]]; then
    diff <(printf '%s\n' "${expected[@]}" | sort) <(echo "$contents") >&2 || true
    fail "the package holds other files than expected (< expected, > packaged)"
fi

lintian --fail-on error "$deb" || fail "lintian reports errors"

dpkg-deb -x "$deb" "$work/root"
share="$work/root/usr/share"
findings=$(desktop-file-validate --no-hints "$share/applications/rs485config.desktop" 2>&1) &&
    [[ -z $findings ]] || fail "desktop entry: $findings"
appstreamcli validate --no-net --strict "$share"/metainfo/*.metainfo.xml ||
    fail "AppStream metadata"
grep -q "<release version=\"$version\"" "$share"/metainfo/*.metainfo.xml ||
    fail "no release $version in the AppStream metadata"
changelog=$(zcat "$share/doc/rs485config/changelog.gz")
[[ ${changelog%%$'\n'*} == "rs485config ($version) "* ]] || fail "the changelog does not begin with $version"

bin="$work/root/usr/bin"
help=$("$bin/rs485config-gateway-emulator" --help) || fail "rs485config-gateway-emulator --help"
[[ $help == *"virtual RS485-to-KNX gateway"* ]] || fail "rs485config-gateway-emulator --help: $help"
if [[ $with_ctl == 1 ]]; then
    ctl_version=$("$bin/rs485ctl" --version) || fail "rs485ctl --version"
    [[ $ctl_version == *"$version"* ]] || fail "rs485ctl --version: $ctl_version"
fi

# The window comes up from the unpacked package with the Chinese setting, runs
# until it is terminated, and writes nothing: not beside its binary, not in its
# working directory, whose config.ini it reads.
printf '[GeneralSettings]\nlanguage=0\n' >"$work/cwd/config.ini"
files() { find "$work/root" "$work/cwd" -printf '%p %s %T@\n' | sort; }
before=$(files)
(cd "$work/cwd" && exec env QT_QPA_PLATFORM=offscreen "$bin/rs485config") &
pid=$!
for _ in $(seq 20); do
    sleep 0.1
    if ! kill -0 "$pid" 2>/dev/null; then
        wait "$pid" && status=0 || status=$?
        fail "rs485config ended by itself at start, with status $status"
    fi
done
kill -TERM "$pid"
wait "$pid" && status=0 || status=$?
[[ $status -eq 143 ]] || fail "rs485config ended with status $status instead of by SIGTERM"
[[ $(files) == "$before" ]] || fail "rs485config wrote files: $(diff <(echo "$before") <(files))"
echo "package $deb passed"
