#!/usr/bin/env bash
# Même préparation que play.sh, puis tous les tests sans écran ni carte son.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/preparer.sh
export ALSOFT_CONF="$PWD/tests/alsoft-null.conf"
export QT_QPA_PLATFORM=xcb
export LIBGL_ALWAYS_SOFTWARE=1
cd build
# sans -noreset, le serveur X virtuel se réinitialise dès que plus aucun test n'y est connecté, et le
# test qui démarre à cet instant ne le joint pas ; par sûreté, un test échoué est relancé deux fois au plus
xvfb-run -a -s "-screen 0 1024x768x24 -noreset" ctest --output-on-failure --repeat until-pass:3 -j"$(nproc 2>/dev/null || echo 2)"
