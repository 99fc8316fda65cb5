#!/usr/bin/env bash
# Takes back a `cmake --install BUILD [--prefix PREFIX]`: removes every file
# listed in BUILD/install_manifest.txt, the folders of ours left empty, and
# brings the MIME and desktop databases of that prefix up to date again.
# Usage: scripts/uninstall.sh [BUILD]   (default: build)
set -euo pipefail

build="${1:-build}"
manifest="$build/install_manifest.txt"
if [ ! -f "$manifest" ]; then
  echo "uninstall: $manifest: no such file (nothing was installed from this build folder)" >&2
  exit 1
fi

prefix=""
# The manifest's last line has no line feed.
while IFS= read -r file || [ -n "$file" ]; do
  [ -n "$file" ] || continue
  case "$file" in
    */bin/curvilinearscope) prefix="${file%/bin/curvilinearscope}" ;;
  esac
  if [ -e "$file" ] || [ -L "$file" ]; then
    rm -f -- "$file"
    echo "removed $file"
  fi
done < "$manifest"

if [ -z "$prefix" ]; then
  echo "uninstall: the program is not in $manifest; the databases are left as they are" >&2
  exit 0
fi
# Folders that are ours alone, once empty.
for dir in "$prefix/share/curvilinearscope/translations" "$prefix/share/curvilinearscope/help" \
           "$prefix/share/curvilinearscope"; do
  [ -d "$dir" ] && rmdir --ignore-fail-on-non-empty -- "$dir"
done
if command -v update-mime-database >/dev/null && [ -d "$prefix/share/mime" ]; then
  update-mime-database "$prefix/share/mime" >/dev/null
fi
if command -v update-desktop-database >/dev/null && [ -d "$prefix/share/applications" ]; then
  update-desktop-database "$prefix/share/applications"
fi
if command -v gtk-update-icon-cache >/dev/null && [ -f "$prefix/share/icons/hicolor/index.theme" ]; then
  gtk-update-icon-cache -q "$prefix/share/icons/hicolor" || true
fi
echo "uninstalled from $prefix"
