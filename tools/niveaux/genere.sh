#!/usr/bin/env bash
# Compile chaque source levels/N.niv en data/map/N.map, seulement si les sources ou le compilateur ont changé.
# Usage : bash tools/niveaux/genere.sh <dossier build absolu> <dossier data absolu>
set -euo pipefail
build="$1"
data="$2"
ici="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
racine="$(cd "$ici/../.." && pwd)"
outil="$build/tools/niveaux/niveaux"
tampon="$build/niveaux.tampon"
if [[ ! -x "$outil" ]]; then
  echo "Compilateur de niveaux introuvable : $outil" >&2
  exit 1
fi
shopt -s nullglob
sources=("$racine"/levels/*.niv)
empreinte="$(cat "$outil" "${sources[@]}" "$ici/genere.sh" | sha256sum | cut -d' ' -f1)"
if [[ -f "$tampon" && "$(cat "$tampon")" == "$empreinte" ]]; then
  exit 0
fi
mkdir -p "$data/map"
rm -f "$data/map"/*.map
for s in "${sources[@]}"; do
  n="$(basename "$s" .niv)"
  "$outil" compile "$s" "$data/map/$n.map"
done
echo "$empreinte" > "$tampon"
