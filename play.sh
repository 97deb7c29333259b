#!/usr/bin/env bash
# Installe ce qui manque, compile, génère les données et lance le jeu.
set -euo pipefail
cd "$(dirname "$0")"
bash tools/preparer.sh
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "Aucun écran disponible (DISPLAY n'est pas défini) : impossible d'ouvrir la fenêtre du jeu." >&2
  echo "Pour un essai sans écran : xvfb-run -a ./play.sh" >&2
  exit 1
fi
exec ./build/vanto-tormundo "$@"
