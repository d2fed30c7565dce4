#!/bin/sh
# Fails when a Qt header creeps into the plain C++ parts: the shared core, the program
# cores and the command-line tools must build without Qt. Windows live in qt/ folders.
cd "$1" || exit 2
found=$(grep -rlE --exclude-dir=qt '#include *<Q' shared/errors shared/text shared/parts shared/files \
        shared/canvas/*.h shared/canvas/*.cpp shared/platform/*.h shared/platform/*.cpp \
        shared/platform/testing pelmo/library pelmo/engine pelmo/export pelmo/cli \
        pelmo/charts pelmo/selection pelmo/printing pelmo/size pelmo/app \
        darvo/library darvo/engine darvo/export darvo/selection darvo/cli shared/cli tools/libgen 2>/dev/null)
if [ -n "$found" ]; then
  echo "Qt include in the core:"; echo "$found"; exit 1
fi
echo "core is Qt-free"
