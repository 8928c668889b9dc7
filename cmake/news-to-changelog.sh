#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Korvalin authors
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Turns the release notes into the Debian changelog the package carries, compressed as
# Debian wants it: one entry per "## VERSION (YYYY-MM-DD)" section, its bullets as the
# entry's items, signed by the package's maintainer on the release's date.
#   news-to-changelog.sh NEWS.md PACKAGE MAINTAINER OUTPUT.gz
set -eu
news="$1" package="$2" maintainer="$3" output="$4"
trap 'rm -f "$output.txt" "$output.tmp"' EXIT

awk -v package="$package" -v maintainer="$maintainer" '
  function fail(message) {
    print "news-to-changelog.sh: " message > "/dev/stderr"
    failed = 1
    exit 1
  }
  function emit(line) {
    if (length(line) > 80)
      fail("a line of " version " is longer than 78 characters: " line)
    if (gap && written)
      print ""
    print line
    gap = 0
    written = 1
  }
  function close_entry() {
    if (version == "")
      return
    if (!written)
      fail("no notes for " version)
    cmd = "LC_ALL=C date -u -R -d " date
    cmd | getline stamp
    close(cmd)
    printf "\n -- %s  %s\n", maintainer, stamp
  }
  /^## / {
    if ($0 !~ /^## [0-9][0-9.]* \([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9]\)$/)
      fail("unreadable heading: " $0)
    close_entry()
    if (version != "")
      print ""
    version = $2
    date = substr($3, 2, 10)
    printf "%s (%s) unstable; urgency=medium\n\n", package, version
    gap = 0
    written = 0
    next
  }
  version == "" { next }
  /^$/ { gap = 1; next }
  /^- / { emit("  * " substr($0, 3)); next }
  /^  / { sub(/^ +/, ""); emit("    " $0); next }
  { emit("  " $0) }
  END {
    if (failed)
      exit 1
    if (version == "")
      fail("no release in " FILENAME)
    close_entry()
  }
' "$news" >"$output.txt"
gzip -9n <"$output.txt" >"$output.tmp"
mv "$output.tmp" "$output"
