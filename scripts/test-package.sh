#!/usr/bin/env bash
# Installs the Debian package of BUILD on this machine with apt-get, runs the
# installed program (--version, and an --export on Qt's offscreen platform),
# then removes it with apt-get remove --purge and checks that nothing of it is
# left: its files, its file type in the MIME database, and any package that
# came in only for it. Needs root or sudo; refuses to touch a machine that has
# the package installed already.
# Usage: scripts/test-package.sh [BUILD]   (default: build)
set -euo pipefail

build="${1:-build}"
here="$(cd "$(dirname "$0")/.." && pwd)"
deb="$(ls -t "$build"/curvilinearscope_*.deb 2>/dev/null | head -n 1 || true)"
[ -n "$deb" ] || { echo "test-package: no curvilinearscope_*.deb in $build (run make package)" >&2; exit 1; }
deb="$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")"
SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive

fail() { echo "test-package: $*" >&2; exit 1; }
if dpkg-query -W -f='${Status}' curvilinearscope 2>/dev/null | grep -q "install ok installed"; then
  fail "curvilinearscope is installed already; remove it first"
fi

work="$(mktemp -d)"
installed_by_us=0
cleanup() {
  if [ "$installed_by_us" = 1 ]; then $SUDO apt-get remove --purge -y -qq curvilinearscope >/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

dpkg-query -W -f='${Package}\n' | sort > "$work/before"
mime_type=/usr/share/mime/application/x-curvilinearscope.xml

echo "installing $deb"
$SUDO apt-get install -y -qq --no-install-recommends "$deb" >/dev/null
installed_by_us=1
dpkg-query -L curvilinearscope | sort > "$work/files"

echo "running the installed program"
version="$(/usr/bin/curvilinearscope --version)"
[ "$version" = "Curvilinearscope $(dpkg-query -W -f='${Version}' curvilinearscope | cut -d. -f1,2)" ] ||
  fail "--version said: $version"
env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/curvilinearscope -platform offscreen \
  --export "$work/picture.png" --size 200 "$here/examples/plane-functions.crv"
[ -s "$work/picture.png" ] || fail "--export wrote no picture"
[ -f /usr/share/curvilinearscope/translations/curvilinearscope_zh_CN.qm ] || fail "the translation is missing"
if objdump -h /usr/bin/curvilinearscope | grep -q '\.debug_'; then fail "the program is not stripped"; fi
if command -v update-mime-database >/dev/null; then
  [ -f "$mime_type" ] || fail "the MIME database does not know application/x-curvilinearscope"
fi

echo "removing it"
$SUDO apt-get remove --purge -y -qq curvilinearscope >/dev/null
installed_by_us=0
left=0
while IFS= read -r path; do
  if [ -e "$path" ] && [ ! -d "$path" ]; then echo "left behind: $path" >&2; left=1; fi
done < "$work/files"
[ "$left" = 0 ] || fail "files of the package are left"
[ ! -e "$mime_type" ] || fail "the MIME database still knows application/x-curvilinearscope"

# Packages that came in for ours only go again.
dpkg-query -W -f='${Package}\n' | sort > "$work/after"
extra="$(comm -13 "$work/before" "$work/after" | tr '\n' ' ')"
if [ -n "$extra" ]; then
  echo "removing what came in with it: $extra"
  $SUDO apt-get remove --purge -y -qq $extra >/dev/null
fi
echo "test-package: $(basename "$deb") installs, runs and removes cleanly"
