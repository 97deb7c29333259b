#!/usr/bin/env bash
# Même préparation que play.sh, puis tous les tests sans écran ni carte son.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/preparer.sh
export ALSOFT_CONF="$PWD/tests/alsoft-null.conf"
export QT_QPA_PLATFORM=xcb
export LIBGL_ALWAYS_SOFTWARE=1
cd build
# un test qui perd l'affichage virtuel (serveur X partagé par une autre session) est relancé une fois
xvfb-run -a -s "-screen 0 1024x768x24" ctest --output-on-failure --repeat until-pass:2 -j"$(nproc 2>/dev/null || echo 2)"
