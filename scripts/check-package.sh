#!/usr/bin/env bash
# Checks the Debian package that `make package` built in the build folder (default build/):
# lintian finds no errors; the package is at most 15 MB and holds the laid-out files;
# `cmake --install` with DESTDIR lays out the same files; the desktop entry and metainfo
# validate; the program unpacked into a temporary root starts under Xvfb with its shipped
# catalogs (HOME in a temporary folder) and, with its data folder taken away, waits at the
# catalog message instead of crashing. Nothing is installed into the machine.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
max_bytes=$((15 * 1024 * 1024))
start_seconds=60

fail() { echo "check-package: $*" >&2; exit 1; }

shopt -s nullglob
debs=("$build"/kosmira_*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one kosmira_*.deb in $build, found ${#debs[@]}"
deb=${debs[0]}
size=$(stat -c %s "$deb")
echo "check-package: $deb, $size bytes"
[ "$size" -le "$max_bytes" ] || fail "package larger than 15 MB"

echo "check-package: lintian"
lintian --fail-on error "$deb" | tee "$build/lintian.txt"

work=$(mktemp -d /tmp/kosmira-package-XXXXXX)
cleanup() { rm -rf "$work"; }
trap cleanup EXIT
root=$work/root
dpkg-deb -x "$deb" "$root"

for path in usr/bin/kosmira usr/share/kosmira/data/star.dat.gz usr/share/kosmira/images/logo.bmp \
            usr/share/kosmira/home/index.html \
            usr/share/applications/org.kosmira.Kosmira.desktop \
            usr/share/metainfo/org.kosmira.Kosmira.metainfo.xml \
            usr/share/icons/hicolor/scalable/apps/org.kosmira.Kosmira.svg \
            usr/share/man/man1/kosmira.1.gz usr/share/doc/kosmira/copyright \
            usr/share/doc/kosmira/changelog.gz; do
  [ -e "$root/$path" ] || fail "missing /$path"
done
for size in 16 22 24 32 48 64 128 256; do
  [ -s "$root/usr/share/icons/hicolor/${size}x${size}/apps/org.kosmira.Kosmira.png" ] ||
    fail "missing the ${size} px icon"
done
if [ -e "$build/kosmira-almanac" ]; then
  [ -x "$root/usr/bin/kosmira-almanac" ] || fail "kosmira-almanac is built but not packaged"
  [ -e "$root/usr/share/man/man1/kosmira-almanac.1.gz" ] || fail "missing kosmira-almanac.1.gz"
fi
# The run-time files are the repository's, byte for byte.
for folder in data images home; do
  diff -r --exclude=README.md "$folder" "$root/usr/share/kosmira/$folder" ||
    fail "share/kosmira/$folder differs from $folder/"
done
# `make install` lays out the same tree as the package.
DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >/dev/null
diff <(cd "$work/stage" && find . | sort) <(cd "$root" && find . | sort) ||
  fail "cmake --install and the package lay out different files"
desktop-file-validate --no-hints "$root/usr/share/applications/org.kosmira.Kosmira.desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/org.kosmira.Kosmira.metainfo.xml"

# Starts the unpacked program with its start-up probe; stdout goes to $1.
start_unpacked() {
  local out=$1 limit=$2 home=$work/home
  rm -rf "$home"
  mkdir -p "$home/Desktop" "$home/runtime"
  chmod 700 "$home/runtime"
  set +e
  env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u XDG_CACHE_HOME \
    HOME="$home" XDG_DESKTOP_DIR="$home/Desktop" XDG_RUNTIME_DIR="$home/runtime" \
    KOSMIRA_STARTUP_PROBE=exit QT_QPA_PLATFORM=xcb \
    xvfb-run -a -s "-screen 0 1600x1000x24" timeout "$limit" "$root/usr/bin/kosmira" \
    >"$out" 2>"$out.err"
  local status=$?
  set -e
  return $status
}

echo "check-package: starting the unpacked program"
status=0
start_unpacked "$work/start.out" "$start_seconds" || status=$?
if [ $status -ne 0 ] || ! grep -q "kosmira: main window shown" "$work/start.out"; then
  cat "$work/start.out" "$work/start.out.err" >&2 || true
  fail "the unpacked program did not show its main window (exit status $status)"
fi
# A catalog that cannot be read stops start-up at its message box before the main window,
# so the probe's line means every shipped catalog was read from the unpacked share/kosmira.
launcher=$work/home/Desktop/Kosmira.desktop
[ -f "$launcher" ] || fail "no launcher written to the desktop"
grep -qxF "Exec=\"$root/usr/bin/kosmira\"" "$launcher" ||
  fail "the launcher does not point at the unpacked program: $(grep '^Exec=' "$launcher")"
grep -qxF "Icon=org.kosmira.Kosmira" "$launcher" || fail "the launcher does not name the theme icon"

echo "check-package: starting it again without its data folder"
mv "$root/usr/share/kosmira/data" "$work/data.away"
status=0
start_unpacked "$work/nodata.out" 15 || status=$?
mv "$work/data.away" "$root/usr/share/kosmira/data"
# timeout's 124: still running, waiting at the message box for the missing city list.
[ $status -eq 124 ] || fail "without data the program ended with status $status instead of waiting at its message"
if grep -q "kosmira: main window shown" "$work/nodata.out"; then
  fail "without data the main window came up without the catalog message"
fi
echo "check-package: passed"
