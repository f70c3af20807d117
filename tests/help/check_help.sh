#!/usr/bin/env bash
# Help.chm holds every topic of the user guide, and the topics say what they must.
set -euo pipefail
chm="$1"
listing=$(chmls -n "$chm")
for topic in index folders hotkeys stealth password protection recovery finding; do
    grep -q "/$topic.html" <<<"$listing" || { echo "missing topic: $topic"; exit 1; }
done
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
chmls extractall "$chm" "$dir" >/dev/null
expect() {
    grep -q -- "$2" "$dir/$1" || { echo "$1 does not say: $2"; exit 1; }
}
expect recovery.html 'attrib -h -s -r'
expect recovery.html 'HIDDEN123456'
expect stealth.html 'CTRL</kbd>+<kbd>SHIFT</kbd>+<kbd>ALT</kbd>+<kbd>M'
expect protection.html 'not encryption'
expect hotkeys.html 'hides every listed folder'
expect password.html 'clear both boxes'
expect folders.html 'Remove'
expect folders.html 'Undo Remove'
expect recovery.html 'href="finding.html"'
expect finding.html 'Find Hidden Folders'
expect finding.html 'Murkwell.exe /scan'
echo "Help.chm: 8 topics, content checked"
