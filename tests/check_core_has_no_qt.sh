#!/bin/sh
# Fails when a Qt header creeps into the plain C++ parts. The build already refuses a
# core target that links Qt; this catches the include that has not reached a link yet.
# Every folder of the program trees counts as core except those matching the patterns
# (extended regular expressions over paths relative to the source tree) the build
# passes after the source folder, so a new area is checked without being listed.
cd "$1" || exit 2
shift
[ $# -gt 0 ] || { echo "usage: $0 SOURCE_DIR QT_FOLDER_PATTERN..."; exit 2; }
qt_folders=$(printf '%s\n' "$@")
files=$(find shared pelmo darvo tools -type f \( -name '*.h' -o -name '*.cpp' \) | sort |
        grep -vE -e "$qt_folders")
[ -n "$files" ] || { echo "no core sources found"; exit 2; }
found=$(echo "$files" | xargs grep -lE '#include *<Q')
if [ -n "$found" ]; then
  echo "Qt include in the core:"; echo "$found"; exit 1
fi
echo "core is Qt-free: $(echo "$files" | wc -l) files"
