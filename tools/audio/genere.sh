#!/usr/bin/env bash
# Génère les bruitages et musiques ; ne refait rien si le générateur et les notes n'ont pas changé.
# usage : bash tools/audio/genere.sh <dossier de compilation> <dossier data>
set -euo pipefail
build="$1"
data="$2"
ici="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
outil="$build/tools/audio/genere_audio"
if [[ ! -x "$outil" ]]; then
  echo "genere_audio introuvable ($outil) : compilez d'abord le projet." >&2
  exit 1
fi
tampon="$data/ogg/.audio.empreinte"
empreinte="$(cat "$outil" "$ici"/musiques/*.txt | sha256sum | cut -d' ' -f1)"
complet=1
for f in anneau anneaux bim bouclier bouclier_eau bouclier_eclair bouclier_feu brrr burstrev \
         burstrev_go checkpoint clic fin_level flamme fsht glisse oxygene perdu pics plouf pouf \
         pung ressort roule saut scie se_noye teleportation total vie; do
  [[ -s "$data/ogg/sounds/$f.ogg" ]] || complet=0
done
for f in accueil alerte_oxygene boss bouclier_total calculs final game_over no_world zone_1 zone_2; do
  [[ -s "$data/ogg/musics/$f.ogg" ]] || complet=0
done
if (( complet )) && [[ -f "$tampon" && "$(cat "$tampon")" == "$empreinte" ]]; then
  echo "Sons et musiques à jour."
  exit 0
fi
echo "Génération des sons et musiques…"
mkdir -p "$data/ogg"
rm -f "$tampon"
# un échec n'arrête pas la préparation : le jeu signale les fichiers manquants, et la prochaine fois on recommence
if "$outil" "$data" "$ici/musiques"; then
  echo "$empreinte" > "$tampon"
else
  echo "Attention : certains sons ou musiques n'ont pas pu être générés (voir ci-dessus)." >&2
fi
