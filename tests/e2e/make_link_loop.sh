#!/bin/sh
# A folder tree with a link back up into itself, for the search for hidden folders. Windows
# programs cannot make one here (Wine has no junctions), but Wine shows a Unix symbolic link
# to a folder as a reparse point, as Windows shows a junction: so it is made from outside, in
# the run's prefix, as C:\murkwell-link-loop.
set -eu
root="${WINEPREFIX:?run the tests through tools/test}/drive_c/murkwell-link-loop"
rm -rf "$root"
mkdir -p "$root/Top/Middle/KeptHIDDEN123456"
ln -s ../.. "$root/Top/Middle/BackToTop"
test -L "$root/Top/Middle/BackToTop"
