#!/usr/bin/env bash
# Parcours des menus avec de vraies touches (xdotool) dans un Xvfb à soi.
set -u
racine="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$racine/build}"
source "$racine/tests/integration/commun-xdotool.bash"
relancer_dans_xvfb "$build"
preparer
# part des pixels d'une zone qui répondent à une condition sur r, g, b
part() { convert "$tmp/$1.png" -crop "$2" +repage -fx "$3" -format '%[fx:mean]' info:; }
jaune='(r>0.8&&g>0.7&&b<0.35)?1:0'
blanc='(r>0.9&&g>0.9&&b>0.9)?1:0'
sup() { awk -v a="$1" -v b="$2" 'BEGIN{exit !(a>b)}'; }

[[ -d data/png ]] || { echo "données absentes : test sauté"; exit 0; }
lancer_jeu
verifier "fenêtre ouverte en moins de 5 s" '[[ -n "$w" ]]'
[[ -n "$w" ]] || { kill $pid; exit 1; }
geo=$(xwininfo -id "$w" | awk '/Width/{l=$2}/Height/{h=$2}END{print l"x"h}')
# 480 lignes de jeu sous la barre de menus, quelle que soit sa hauteur
verifier "fenêtre de 640 × (480 + barre de menus) ($geo)" '[[ "$geo" =~ ^640x(50[1-9]|5[1-3][0-9])$ ]]'
xdotool windowfocus "$w"; xdotool mousemove 700 590
sleep 3; xdotool key Return; sleep 1.5; cliche titre
verifier "menu du titre, « jouer » en jaune" 'sup "$(part titre 140x26+250+387 "$jaune")" 0.01'
xdotool key Down; sleep 0.3; xdotool key Return; sleep 1.2; cliche choix
verifier "le choix du héros remplace le titre" 'sup 0.01 "$(part choix 140x26+250+387 "$jaune")"'
xdotool key Return; sleep 1.2; cliche retour1
verifier "retour au titre après le choix" 'sup "$(part retour1 140x26+250+387 "$jaune")" 0.01'
xdotool key Down; sleep 0.2; xdotool key Down; sleep 0.2; xdotool key Return; sleep 1.2; cliche synopsis
verifier "synopsis affiché (texte blanc)" 'sup "$(part synopsis 600x440+20+20 "$blanc")" 0.02'
xdotool key q; sleep 1.2; cliche retour2
verifier "une touche relâchée rend le titre" 'sup "$(part retour2 140x26+250+387 "$jaune")" 0.005'
xdotool key ctrl+p; sleep 0.4; cliche pause1; sleep 1; cliche pause2
diff=$(compare -metric AE "$tmp/pause1.png" "$tmp/pause2.png" null: 2>&1)
verifier "image figée en pause ($diff pixels changés)" '[[ "$diff" == "0" ]]'
xdotool key ctrl+p; sleep 0.3
xdotool key ctrl+r; sleep 1.5; cliche redemarre
verifier "Ctrl+R relance les cartes de démarrage" 'sup 0.001 "$(part redemarre 140x26+250+387 "$jaune")" && sup "$(part redemarre 200x40+220+220 "$blanc")" 0.005'
xdotool key ctrl+q
for i in $(seq 1 30); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
if kill -0 $pid 2>/dev/null; then kill $pid; fi
wait $pid; code=$?
verifier "Ctrl+Q quitte avec le code 0 (code $code)" '[[ $code -eq 0 ]]'
exit $echec
