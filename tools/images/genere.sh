#!/usr/bin/env bash
# Génère les images du jeu, seulement si le générateur a changé.
# Usage : bash tools/images/genere.sh <dossier build absolu> <dossier data absolu>
set -euo pipefail
build="$1"
data="$2"
ici="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
gen="$build/tools/images/genere_images"
tampon="$build/images.tampon"
if [[ ! -x "$gen" ]]; then
  echo "Générateur d'images introuvable : $gen" >&2
  exit 1
fi
empreinte="$(cat "$gen" "$ici"/*.cpp "$ici"/*.h "$ici"/genere.sh | sha256sum | cut -d' ' -f1)"
if [[ -f "$tampon" && "$(cat "$tampon")" == "$empreinte" && -f "$data/png/game/personnages/heros/vanto.png" ]]; then
  exit 0
fi
echo "Génération des images dans $data"
"$gen" "$data" "$build"
echo "$empreinte" > "$tampon"
