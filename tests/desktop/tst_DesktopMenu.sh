#!/usr/bin/env bash
# Installs the desktop menu entry into a temporary home that already holds
# files of its own, checks the entry with desktop-file-validate and the icon
# files at their sizes, then uninstalls and compares the home with its state
# before. The program folder's name has a space, a dollar and a percent sign,
# which the entry's Exec line must quote and escape.
#   tst_DesktopMenu.sh DESKTOP_MENU_SCRIPT BUILD_FOLDER
set -euo pipefail
script=$1 build=$2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work/home"
unset XDG_DATA_HOME
data="$HOME/.local/share"
mkdir -p "$data/applications" "$data/icons/hicolor/48x48"
echo "[Desktop Entry]" > "$data/applications/other.desktop"

folder="$work/Numerillo \$HOME 100%"
mkdir -p "$folder/tools"
ln -s "$build/numerillo" "$folder/numerillo"
ln -s "$build/tools/numerillo-icons" "$folder/tools/numerillo-icons"

snapshot() { (cd "$HOME" && find . -printf '%p %y %s\n' | sort); }
before=$(snapshot)

"$script" install "$folder" >/dev/null 2>&1 || fail "install failed"
entry="$data/applications/numerillo.desktop"
desktop-file-validate "$entry" || fail "desktop-file-validate rejects the entry"
expected_exec='Exec="'"$folder"'/numerillo"'
expected_exec=${expected_exec//\$/\\\\\$}
expected_exec=${expected_exec//%/%%}
grep -qxF "$expected_exec" "$entry" || fail "Exec line: $(grep '^Exec=' "$entry"), expected $expected_exec"
grep -qx 'Categories=Education;Math;' "$entry" || fail "categories"
grep -qx 'Icon=numerillo' "$entry" || fail "icon name"
for size in 48 64 128; do
    icon="$data/icons/hicolor/${size}x${size}/apps/numerillo.png"
    [[ "$(identify -format '%wx%h' "$icon" 2>/dev/null)" == "${size}x${size}" ]] \
        || fail "no ${size} px icon at $icon"
done
grep -q '<svg' "$data/icons/hicolor/scalable/apps/numerillo.svg" || fail "no scalable icon"
"$script" install "$folder" >/dev/null 2>&1 || fail "installing again failed"

"$script" uninstall || fail "uninstall failed"
after=$(snapshot)
[[ "$before" == "$after" ]] || fail "uninstall left the home changed: $(diff <(echo "$before") <(echo "$after"))"

[[ $failures -eq 0 ]] && echo "PASS" || exit 1
