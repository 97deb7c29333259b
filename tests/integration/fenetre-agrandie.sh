#!/usr/bin/env bash
# Au clavier et à la souris réels (xdotool) : tailles x2 à x4 (l'image x1 agrandie pixel pour
# pixel), clic sur une rubrique du titre en x2, plein écran par F11 et retour, pause par Entrée
# pendant la partie, et une touche inhabituelle (F5) définie dans la boîte des contrôleurs.
# Deux serveurs X : un grand écran pour les tailles, un écran 1920 × 1080 pour le plein écran.
set -u
racine="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$racine/build}"
if [[ -z "${PHASE:-}" ]]; then
  PHASE=tailles xvfb-run -a -s "-screen 0 2600x2000x24" bash "$0" "$@"; a=$?
  PHASE=plein xvfb-run -a -s "-screen 0 1920x1080x24" bash "$0" "$@"; b=$?
  exit $(( a || b ))
fi
export XDOTOOL_DANS_XVFB=1
source "$racine/tests/integration/commun-xdotool.bash"
preparer
[[ -f data/map/1.map && -d data/png ]] || { echo "données absentes : test sauté"; exit 0; }

# taille et position de la fenêtre : L H X Y
geometrie() {
  local g p
  g=$(xdotool getwindowgeometry "$w" | awk '/Geometry/ {print $2}')
  p=$(xdotool getwindowgeometry "$w" | awk '/Position/ {print $2}')
  echo "${g%x*} ${g#*x} ${p%,*} ${p#*,}"
}
# cliché d'une zone de l'écran : nom largeur hauteur x y (la fenêtre seule, moins lourde que l'écran)
zone() { import -window "$w" -crop "$2x$3+$(( $4 - X ))+$(( $5 - Y ))" +repage "$tmp/$1.png"; }
# pixels différents entre deux images
ecart() { compare -metric AE "$tmp/$1.png" "$tmp/$2.png" null: 2>&1 | awk '{printf "%d", $1}'; }
# le cliché x1 agrandi f fois, pixel pour pixel
agrandir() { convert "$tmp/x1.png" -scale "$(( $2 * 100 ))%" "$tmp/$1.png"; }
# rubrique du menu « Vidéo » : Taille, puis xN (clavier dans le menu ouvert à la souris)
choisir_taille() {
  xdotool mousemove $(( X + 70 )) $(( Y + barre / 2 )) click 1; sleep 0.4
  xdotool key Down Down Down Right; sleep 0.3
  for ((i = 1; i < $1; i++)); do xdotool key Down; done
  xdotool key Return; sleep 1
}
relacher() { xdotool keydown "$1"; sleep 0.15; xdotool keyup "$1"; }
# attend (40 s au plus) que le haut de l'image ressemble au titre, ou à la partie (ciel du niveau 1)
attendre() {
  local i test
  [[ $1 == titre ]] && test="mean.b>0.5 && mean.r<0.2 && mean.g<0.33" || test="mean.b>0.85 && mean.r<0.1"
  for i in $(seq 1 80); do
    zone haut 640 100 "$X" $(( Y + barre ))
    [[ $(convert "$tmp/haut.png" -format "%[fx:$test ? 1 : 0]" info:) == 1 ]] && return 0
    sleep 0.5
  done
  return 1
}

lancer_jeu
[[ -n "$w" ]] || { echo "ÉCHEC : pas de fenêtre"; kill $pid; exit 1; }
xdotool windowfocus "$w"
read -r L H X Y < <(geometrie)
barre=$(( H - 480 ))
verifier "fenêtre x1 : 640 de large, barre de menus de $barre pixels ($L x $H)" '[[ $L -eq 640 && $barre -gt 0 ]]'
xdotool mousemove $(( X + 5 )) $(( Y + barre + 5 ))
attendre titre; t=$?                      # les cartes passent d'elles-mêmes
verifier "le titre apparaît" '[[ $t -eq 0 ]]'
xdotool key ctrl+p; sleep 0.5             # image figée : même image à chaque taille
zone x1 640 480 "$X" $(( Y + barre ))

if [[ $PHASE == tailles ]]; then
  for f in 2 3 4; do
    choisir_taille $f
    read -r L H X Y < <(geometrie)
    verifier "x$f : fenêtre ${L} x ${H}, zone de jeu $(( 640 * f )) x $(( H - barre ))" \
      '[[ $L -eq $(( 640 * f )) && $H -eq $(( 480 * f + barre )) ]]'
    zone x$f $(( 640 * f )) $(( 480 * f )) "$X" $(( Y + barre ))
    agrandir ref$f $f
    e=$(ecart x$f ref$f)
    verifier "x$f : l'image x1 agrandie $f fois, pixel pour pixel ($e pixels différents)" '[[ $e == 0 ]]'
  done
  # en x2, un clic sur « synopsis » (320, 450 dans l'image) ouvre le synopsis, pas la partie
  choisir_taille 2
  read -r L H X Y < <(geometrie)
  xdotool key ctrl+p; sleep 0.3
  xdotool mousemove $(( X + 640 )) $(( Y + barre + 900 )); sleep 0.5
  zone titre 1280 960 "$X" $(( Y + barre ))
  # la rubrique survolée est jaune (choisie) : « synopsis » en bas, pas « jouer »
  jaune() { convert "$tmp/titre.png" -crop "$1" +repage -fuzz 15% -fill black +opaque '#ffe000' -format '%[fx:int(mean*w*h)]' info:; }
  js=$(jaune 300x40+490+880); jj=$(jaune 300x40+490+780)
  verifier "en x2, le pointeur sur « synopsis » la met en jaune ($js pixels jaunes ; « jouer » : $jj)" '[[ $js -gt 100 && $jj -lt 20 ]]'
  xdotool click 1; sleep 2.5
  zone clic 1280 960 "$X" $(( Y + barre ))
  # le synopsis : un texte sur un fond, sans le ciel bleu du titre ni le carton orangé de la partie
  haut=$(convert "$tmp/clic.png" -crop 1280x200+0+0 +repage -format '%[fx:mean.b>0.5 || mean.r>0.8 ? 1 : 0]' info:)
  e=$(ecart titre clic)
  verifier "le clic en x2 ouvre le synopsis, pas la partie ($e pixels changent)" '[[ $e -gt 100000 && $haut == 0 ]]' 
else
  # plein écran : l'image x2 centrée sur du noir (1920 × 1080 : 1280 × 960 en 320, 60)
  xdotool key F11; sleep 1.5
  import -window root "$tmp/plein.png"
  convert "$tmp/plein.png" -crop 1280x960+320+60 +repage "$tmp/centre.png"
  agrandir ref2 2
  e=$(ecart centre ref2)
  verifier "plein écran : l'image x1 agrandie 2 fois au centre ($e pixels différents)" '[[ $e == 0 ]]'
  noir=$(convert "$tmp/plein.png" -fill black -draw "rectangle 320,60 1599,1019" -format "%[fx:maxima]" info:)
  verifier "plein écran : le pourtour est noir (maximum $noir)" '[[ $noir == 0 ]]'
  xdotool key F11; sleep 1.5
  read -r L2 H2 X2 Y2 < <(geometrie)
  verifier "F11 de nouveau : la fenêtre x1 revient (${L2} x ${H2} en $X2, $Y2)" \
    '[[ $L2 -eq 640 && $H2 -eq $H && $X2 -eq $X && $Y2 -eq $Y ]]'
  zone retour 640 480 "$X" $(( Y + barre ))
  e=$(ecart retour x1)
  verifier "la même image qu'avant ($e pixels différents)" '[[ $e == 0 ]]'

  # la partie ; Entrée relâchée la met en pause (image figée, mot PAUSE) puis la reprend
  xdotool key ctrl+p; sleep 0.3
  xdotool key Return                      # « jouer »
  attendre jeu; t=$?
  verifier "la partie commence" '[[ $t -eq 0 ]]'
  sleep 3                                 # le carton de titre s'en va : l'acte se joue
  zone jeu 640 480 "$X" $(( Y + barre ))
  relacher Return; sleep 0.5
  zone pause1 640 480 "$X" $(( Y + barre )); sleep 1.2
  zone pause2 640 480 "$X" $(( Y + barre ))
  relacher Return; sleep 0.3
  zone reprise1 640 480 "$X" $(( Y + barre )); sleep 1.2
  zone reprise2 640 480 "$X" $(( Y + barre ))
  e1=$(ecart pause1 pause2); e2=$(ecart jeu pause1); e3=$(ecart reprise1 reprise2)
  verifier "Entrée : image figée ($e1 pixels changent en 1,2 s), le mot PAUSE apparaît ($e2 pixels)" \
    '[[ $e1 == 0 && $e2 -gt 500 ]]'
  verifier "Entrée de nouveau : la partie reprend ($e3 pixels changent en 1,2 s)" '[[ $e3 -gt 0 ]]'

  # ENTRER lié à F5 dans la boîte des contrôleurs ; F5 met alors en pause et reprend
  xdotool key ctrl+c; sleep 1
  d=$(xdotool search --onlyvisible --name "^Configuration contrôleurs$" | head -1)
  if [[ -n "$d" ]]; then
    read -r _ _ DX DY < <(w=$d geometrie)
    xdotool mousemove $(( DX + 325 )) $(( DY + 97 )) click 1; sleep 0.3   # « Définir »
    for t in Up Down Left Right q s d F5; do xdotool key "$t"; sleep 0.1; done
    xdotool key Return; sleep 0.1            # capture finie : touche avalée
    xdotool mousemove $(( DX + 200 )) $(( DY + 180 )) click 1; sleep 0.8   # « OK »
  fi
  verifier "la boîte des contrôleurs s'est ouverte puis fermée" \
    '[[ -n "$d" ]] && ! xdotool search --onlyvisible --name "^Configuration contrôleurs$" >/dev/null'
  xdotool windowfocus "$w"; sleep 0.3
  attendre jeu
  relacher F5; sleep 0.5
  zone f5a 640 480 "$X" $(( Y + barre )); sleep 1.2
  zone f5b 640 480 "$X" $(( Y + barre ))
  relacher F5; sleep 1.2
  zone f5c 640 480 "$X" $(( Y + barre ))
  e5=$(ecart f5a f5b); e6=$(ecart f5b f5c)
  verifier "F5 définie met en pause ($e5 pixels en 1,2 s) puis reprend ($e6 pixels)" '[[ $e5 == 0 && $e6 -gt 0 ]]'
fi
[[ -n "${CLICHES:-}" ]] && cp "$tmp"/*.png "$CLICHES"/ 2>/dev/null
xdotool key ctrl+q
for i in $(seq 1 30); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && kill $pid
wait $pid; code=$?
verifier "Ctrl+Q quitte avec le code 0 (code $code)" '[[ $code -eq 0 ]]'
exit $echec
