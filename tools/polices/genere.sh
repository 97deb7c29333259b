#!/usr/bin/env bash
# Copie et dérive les quatre polices du jeu dans <data>/ttf (refait seulement si le script change).
set -euo pipefail
ici="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
data="$2"
mkdir -p "$data/ttf"
empreinte=$(sha256sum "$ici/polices.py" "$ici/genere.sh" | sha256sum | cut -d' ' -f1)
tampon="$data/ttf/.empreinte"
if [[ -f "$tampon" && "$(cat "$tampon")" == "$empreinte" ]] \
   && [[ -f "$data/ttf/lucon.ttf" && -f "$data/ttf/vantotitlefont.ttf" \
      && -f "$data/ttf/nisequorvanto.ttf" && -f "$data/ttf/nisetera.ttf" ]]; then
  exit 0
fi
echo "Polices -> $data/ttf"
fontforge -quiet -lang=py -script "$ici/polices.py" "$data/ttf" >/dev/null 2>&1 \
  || { echo "Échec de la génération des polices" >&2; exit 1; }
echo "$empreinte" > "$tampon"
