#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build under a scratch prefix and checks what a desktop sees of it: the
# layout, the CUPS module, the desktop entry, the AppStream data, the label file type (also without its
# extension) and its default program, and that the installed program prints from outside
# the source tree, finds its help file and manual page in English and in French, and
# opens the installed examples with their pictures.
#   check-install.sh BUILD_DIR SOURCE_DIR
set -euo pipefail
build="$1"
source="$2"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
failures=0

fail() {
  echo "ÉCHEC : $*" >&2
  failures=$((failures + 1))
}

# A prefix rather than a DESTDIR: the installed examples name their pictures by the full
# path they are installed at, and the program must find them there.
usr="$scratch/usr"
cmake --install "$build" --prefix "$usr" >/dev/null
id=fr.korvalin.Korvalin
doc=share/doc/korvalin

for file in bin/korvalin share/korvalin/KORVALIN.HLP share/korvalin/en/KORVALIN.HLP \
  "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
  "share/mime/packages/$id.xml" "share/icons/hicolor/scalable/apps/$id.svg" \
  share/man/man1/korvalin.1.gz share/man/fr/man1/korvalin.1.gz \
  "$doc/README.md" "$doc/NEWS.md" "$doc/changelog.gz" "$doc/copyright"; do
  [ -f "$usr/$file" ] || fail "$file n'est pas installé"
done
for example in "$source"/examples/*; do
  file="$doc/examples/$(basename "$example")"
  [ -f "$usr/$file" ] || fail "$file n'est pas installé"
done
[ -x "$usr/bin/korvalin" ] || fail "bin/korvalin n'est pas exécutable"
# libcups comes with the CUPS module alone, loaded when the program first prints.
[ -n "$(find "$usr/lib" -path '*/korvalin/korvalin-cups.so')" ] || fail "le module CUPS n'est pas installé"
! readelf -d "$usr/bin/korvalin" | grep -q 'NEEDED.*libcups' || fail "bin/korvalin charge libcups au démarrage"
# Asked with no scheduler to answer: the module says so, a module not found says why.
errors="$(CUPS_SERVER=/nonexistent/korvalin.sock "$usr/bin/korvalin" --query-default-printer "" 2>&1 >/dev/null)"
! grep -q 'CUPS module not loaded' <<<"$errors" || fail "le programme installé ne charge pas son module CUPS : $errors"

desktop-file-validate "$usr/share/applications/$id.desktop" || fail "entrée de bureau invalide"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" >/dev/null ||
  fail "données AppStream invalides"
# The English manual page where man looks first, the French one where man looks in French;
# each formats without a warning.
for page in man1/korvalin.1.gz fr/man1/korvalin.1.gz; do
  warnings="$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$usr/share/man/$page" 2>&1 >/dev/null)"
  [ -z "$warnings" ] || fail "page de manuel $page : $warnings"
done
zgrep -q '^\.SH NAME$' "$usr/share/man/man1/korvalin.1.gz" || fail "la page de manuel de man1 n'est pas en anglais"
zgrep -q '^\.SH NOM$' "$usr/share/man/fr/man1/korvalin.1.gz" || fail "la page de manuel de fr/man1 n'est pas en français"

# A desktop of its own: the installed file types and menu entry, and nothing of the machine's
# user; the machine's own types stay visible, as text/plain is the label type's parent.
export XDG_DATA_HOME="$scratch/xdg"
export XDG_DATA_DIRS=/usr/share
export XDG_CONFIG_HOME="$scratch/config"
export XDG_RUNTIME_DIR="$scratch/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID || true
mkdir -p "$XDG_DATA_HOME/mime/packages" "$XDG_DATA_HOME/applications" "$XDG_CONFIG_HOME"
cp "$usr/share/mime/packages/$id.xml" "$XDG_DATA_HOME/mime/packages/"
cp "$usr/share/applications/$id.desktop" "$XDG_DATA_HOME/applications/"
update-mime-database "$XDG_DATA_HOME/mime"
update-desktop-database "$XDG_DATA_HOME/applications"

work="$scratch/travail"
mkdir -p "$work"
cp "$source/examples/sauvegarde.eti" "$work/archives.eti"
cp "$source/examples/sauvegarde.eti" "$work/archives sans extension"
printf '10,4,10,4\r\n#TRUE#,#TRUE#\r\n' >"$work/laser.PAR"
printf 'Ceci est du texte.\n' >"$work/notes"

expect_type() {
  local type
  type="$(xdg-mime query filetype "$1")"
  [ "$type" = "$2" ] || fail "type de $(basename "$1") : « $type » au lieu de « $2 »"
}
expect_type "$work/archives.eti" application/x-korvalin-label
expect_type "$work/archives sans extension" application/x-korvalin-label
expect_type "$work/laser.PAR" application/x-korvalin-settings
expect_type "$work/notes" text/plain
default="$(xdg-mime query default application/x-korvalin-label)"
[ "$default" = "$id.desktop" ] || fail "programme par défaut des étiquettes : « $default »"

# The installed program, run from a folder of the user's, with no display.
cd "$work"
env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/korvalin" --pdf archives.pdf archives.eti ||
  fail "korvalin --pdf a échoué"
pdftotext archives.pdf - 2>/dev/null | grep -q Sauvegarde || fail "archives.pdf ne montre pas l'étiquette"
env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/korvalin" --calibration --pdf etalonnage.pdf \
  --settings laser.PAR || fail "korvalin --calibration a échoué"
pdftotext etalonnage.pdf - 2>/dev/null | grep -q Etiquette10 ||
  fail "etalonnage.pdf ne montre pas les étiquettes"
# Each installed example opens from anywhere with its picture: not a word on standard error
# (a picture not found is reported there).
for label in "$usr/$doc"/examples/*.eti; do
  name="$(basename "$label" .eti)"
  env -u DISPLAY -u WAYLAND_DISPLAY "$usr/bin/korvalin" --pdf "$name.pdf" --position 1 "$label" 2>"$name.err" ||
    fail "korvalin --pdf a échoué sur l'exemple $name"
  [ ! -s "$name.err" ] || fail "exemple $name : $(cat "$name.err")"
done
[ "$(pdfimages -list disquettes.pdf | awk '$3 == "image"' | wc -l)" -eq 1 ] ||
  fail "l'exemple disquettes.eti installé n'imprime pas son image"
# The help of the desktop's language, French where the program has no translation.
help="$("$usr/bin/korvalin" --help 2>/dev/null | grep '^Aide détaillée : ' || true)"
[ "$help" = "Aide détaillée : $usr/share/korvalin/KORVALIN.HLP" ] ||
  fail "le programme installé ne trouve pas son aide : « $help »"
help="$(env -u LC_ALL -u LC_MESSAGES LANGUAGE= LANG=en_US.UTF-8 "$usr/bin/korvalin" --help 2>/dev/null |
  grep '^Full help: ' || true)"
[ "$help" = "Full help: $usr/share/korvalin/en/KORVALIN.HLP" ] ||
  fail "le programme installé ne trouve pas son aide en anglais : « $help »"

if [ "$failures" -ne 0 ]; then
  exit 1
fi
echo "Installation conforme."
