#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Makes the README's screenshots from the real program: starts Korvalin on a private X
# server (Xvfb) with examples/disquettes.eti, photographs the main window, opens the print
# settings window from the keyboard as a user would (Alt+F, then "I" for "&Imprimer") and
# photographs it, into docs/main-window.png and docs/print-settings.png; then pastes a list
# of fourteen disk titles into "Liste d'étiquettes", as from a spreadsheet, starts it at
# position 8 and photographs "Aperçu de la feuille" into docs/sheet-preview.png.
# It installs the tools it needs (xvfb, xdotool, xclip, imagemagick, cups) when they are
# missing; the test suite needs none of them.
# Usage: scripts/make-screenshots.sh [BUILD_DIR]   (default: builds Release into build/release)
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"

tools=(xvfb xdotool xclip imagemagick cups)
missing=()
for p in "${tools[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Paquets manquants : ${missing[*]} (relancer en root pour les installer)" >&2
    exit 1
  fi
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

if [ $# -ge 1 ]; then
  program="$(cd "$1" && pwd)/src/korvalin"
else
  "$here/scripts/install-deps.sh"
  cmake -S "$here" -B "$here/build/release" -DCMAKE_BUILD_TYPE=Release -DKORVALIN_TESTS=OFF >/dev/null
  cmake --build "$here/build/release" --parallel "$(nproc)" >/dev/null
  program="$here/build/release/src/korvalin"
fi
[ -x "$program" ] || { echo "Pas de programme : $program" >&2; exit 1; }

work="$(mktemp -d)"
pids=()
cleanup() {
  for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$work"
}
trap cleanup EXIT

# Xvfb writes its display number once it accepts connections.
Xvfb -displayfd 3 -nolisten tcp -screen 0 1280x1024x24 3>"$work/display" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "Xvfb n'a pas démarré" >&2; exit 1; }
export DISPLAY=":$(cat "$work/display")"

# A print service of its own that has no printer: the pictures show the program on a machine
# without printers, neither this machine's queues nor a service that does not answer (the
# window tells those apart).
cups="$work/cups"
mkdir -p "$cups/etc" "$cups/spool/tmp" "$cups/cache" "$cups/state" "$cups/log"
cat >"$cups/etc/cups-files.conf" <<EOF
ServerRoot $cups/etc
RequestRoot $cups/spool
TempDir $cups/spool/tmp
CacheDir $cups/cache
StateDir $cups/state
AccessLog $cups/log/access_log
ErrorLog $cups/log/error_log
PageLog $cups/log/page_log
Printcap $cups/printcap
SystemGroup $(id -gn)
EOF
cat >"$cups/etc/cupsd.conf" <<EOF
Listen $cups/cupsd.sock
Browsing No
BrowseLocalProtocols none
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
EOF
cupsd -f -c "$cups/etc/cupsd.conf" -s "$cups/etc/cups-files.conf" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$cups/cupsd.sock" ] && break; sleep 0.1; done
[ -S "$cups/cupsd.sock" ] || { echo "cupsd n'a pas démarré" >&2; exit 1; }

# A user of its own: the pictures show the program, not this machine.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_CACHE_HOME="$work/home/.cache" XDG_RUNTIME_DIR="$work/runtime"
export CUPS_SERVER="$cups/cupsd.sock" QT_QPA_PLATFORM=xcb
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
# The sheet in the printer has its first two labels used already, as a sheet fed through
# again would: the pictures show how the windows mark them.
mkdir -p "$XDG_CONFIG_HOME/korvalin"
printf '[usedPositions]\npdfFiles="1,2"\n' >"$XDG_CONFIG_HOME/korvalin/korvalin.conf"

# Waits for a visible window whose title matches, and prints its id.
window() {
  timeout 20 xdotool search --sync --onlyvisible --name "$1" | head -n 1
}

# Photographs a window once it has stopped changing, so the picture is the settled one.
photograph() {
  local id="$1" out="$2" previous="$work/previous.png" current="$work/current.png"
  import -window "$id" "$previous"
  for _ in $(seq 50); do
    sleep 0.2
    import -window "$id" "$current"
    if compare -metric AE "$previous" "$current" null: 2>/dev/null; then
      # No dates in the file, so an unchanged window makes an unchanged picture.
      convert "$current" -strip "$out"
      echo "$out"
      return
    fi
    mv "$current" "$previous"
  done
  echo "La fenêtre ne se stabilise pas : $out" >&2
  exit 1
}

mkdir -p "$here/docs"
# The label names its picture relative to the project's folder.
cd "$here"
# The window in French, whatever the desktop's language: the keys below are its accelerators.
env -u LANGUAGE LC_ALL=C.UTF-8 "$program" examples/disquettes.eti >"$work/program.log" 2>&1 &
pids+=($!)

main="$(window "^Création d")" || { cat "$work/program.log" >&2; exit 1; }
xdotool windowfocus --sync "$main"
photograph "$main" "$here/docs/main-window.png"

xdotool key --clearmodifiers alt+f
xdotool key i
settings="$(window "^Param.*impression")" || { cat "$work/program.log" >&2; exit 1; }
# One label chosen on the sheet: "Etiquette sélectionnée", then the third position, clicked
# where the window's fixed layout puts them.
xdotool mousemove --window "$settings" 110 49 click 1
xdotool mousemove --window "$settings" 318 213 click 1
xdotool mousemove --window "$settings" 560 530
photograph "$settings" "$here/docs/print-settings.png"

# A box of disks: fourteen titles copied from a spreadsheet (a tab between the cells) and
# pasted into the list box, started at position 8 so that they run over three sheets. The
# option, the list box, the start box and the button are clicked where the window puts them
# once the list shows.
xdotool mousemove --window "$settings" 80 158 click 1
printf '%s\t%s\n' \
  "Comptabilité 2025" "Sauvegarde de janvier" \
  "Comptabilité 2025" "Sauvegarde de février" \
  "Photos 1998" "Noël\\nNouvel an" \
  "Photos 1999" "Vacances d'été" \
  "Courrier" "Lettres et factures" \
  "Recettes" "Desserts et confitures" \
  "Thèse" "Chapitres 1 à 4" \
  "Thèse" "Chapitres 5 à 8" \
  "Pilotes" "Imprimante et scanner" \
  "Système" "Disque de démarrage" \
  "Échecs" "Parties commentées" \
  "Musique" "Partitions" \
  "Généalogie" "Arbre de la famille" \
  "Adresses" "Copie de secours" >"$work/titles.txt"
# xclip serves the clipboard until it is ended, as a spreadsheet would.
xclip -quiet -selection clipboard -i "$work/titles.txt" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 50); do xclip -o -selection clipboard >/dev/null 2>&1 && break; sleep 0.1; done
xdotool mousemove --window "$settings" 735 190 click 1
xdotool key --clearmodifiers ctrl+v
xdotool mousemove --window "$settings" 471 293 click 1
# The box takes digits only (no Ctrl+A): what it holds is erased key by key.
xdotool key --clearmodifiers End BackSpace BackSpace
xdotool type 8
xdotool mousemove --window "$settings" 108 471 click 1
sheet="$(window "^Aperçu de la feuille")" || { cat "$work/program.log" >&2; exit 1; }
photograph "$sheet" "$here/docs/sheet-preview.png"
