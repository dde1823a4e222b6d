#!/usr/bin/env bash
# Adds Numerillo to the desktop's application menu for the current user, or
# takes out exactly what it added, following the freedesktop conventions: an
# entry in $XDG_DATA_HOME/applications (~/.local/share by default) and the
# icon in its hicolor theme. Called by scripts/run.sh --install-menu and
# --uninstall-menu.
#   scripts/desktop-menu.sh install [PROGRAM_FOLDER]   (default build)
#   scripts/desktop-menu.sh uninstall
# The program folder must hold the built numerillo and tools/numerillo-icons.
set -euo pipefail

data="${XDG_DATA_HOME:-$HOME/.local/share}"
# Every file and folder the install made, in the order made, so that
# uninstalling removes these and nothing else.
record="$data/numerillo/menu-files.txt"

uninstall() {
    [[ -f "$record" ]] || return 0
    tac "$record" | while IFS= read -r path; do
        if [[ -d "$path" && ! -L "$path" ]]; then
            rmdir --ignore-fail-on-non-empty -- "$path"
        else
            rm -f -- "$path"
        fi
    done
}

# Makes a folder and the missing folders above it, noting each one made in
# the file $notes.
make_folder() {
    [[ -d "$1" ]] && return 0
    make_folder "$(dirname "$1")"
    mkdir -- "$1"
    echo "$1" >> "$notes"
}

# Copies a file into place, noting it.
put_file() {
    make_folder "$(dirname "$2")"
    cp -- "$1" "$2"
    echo "$2" >> "$notes"
}

# A desktop entry's string value: backslashes doubled.
string_value() {
    printf '%s' "${1//\\/\\\\}"
}

# The program as an Exec argument: quoted, with ", `, $ and \ escaped inside
# the quotes, % doubled, and then escaped as a string value.
exec_value() {
    local quoted
    quoted=$(printf '%s' "$1" | sed -e 's/[\\"`$]/\\&/g' -e 's/%/%%/g')
    string_value "\"$quoted\""
}

install() {
    local folder program icons
    folder=$(cd "${1:-build}" && pwd)
    program="$folder/numerillo"
    icons="$folder/tools/numerillo-icons"
    for file in "$program" "$icons"; do
        [[ -x "$file" ]] || { echo "not built: $file (run scripts/run.sh --install-menu)" >&2; exit 1; }
    done
    [[ "$folder" != *$'\n'* ]] || { echo "the program folder's name holds a line break" >&2; exit 1; }

    uninstall
    staging=$(mktemp -d)
    trap 'rm -rf "$staging"' EXIT
    "$icons" "$staging/hicolor"
    cat > "$staging/numerillo.desktop" <<ENTRY
[Desktop Entry]
Type=Application
Name=Numerillo
Comment=Practise the multiplication tables from 1 to 12
Comment[de]=Übe das Einmaleins von 1 bis 12
Comment[es]=Practica las tablas de multiplicar del 1 al 12
Comment[fr]=Entraîne-toi aux tables de multiplication de 1 à 12
Comment[it]=Esercitati con le tabelline dall'1 al 12
Comment[nl]=Oefen de tafels van vermenigvuldiging van 1 tot 12
Exec=$(exec_value "$program")
TryExec=$(string_value "$program")
Path=$(string_value "$folder")
Icon=numerillo
Terminal=false
Categories=Education;Math;
ENTRY

    # The record notes itself first, so that a failed install is undone too.
    notes="$staging/made"
    make_folder "$(dirname "$record")"
    echo "$record" >> "$notes"
    cp -- "$notes" "$record"
    notes="$record"
    put_file "$staging/numerillo.desktop" "$data/applications/numerillo.desktop"
    for size in 48x48 64x64 128x128; do
        put_file "$staging/hicolor/$size/apps/numerillo.png" "$data/icons/hicolor/$size/apps/numerillo.png"
    done
    put_file "$staging/hicolor/scalable/apps/numerillo.svg" "$data/icons/hicolor/scalable/apps/numerillo.svg"
    echo "Numerillo is in the application menu: $data/applications/numerillo.desktop"
}

case "${1:-}" in
    install) install "${2:-build}" ;;
    uninstall) uninstall ;;
    *) echo "usage: scripts/desktop-menu.sh install [PROGRAM_FOLDER] | uninstall" >&2; exit 2 ;;
esac
