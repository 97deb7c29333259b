#!/usr/bin/env bash
# Une partie au clavier réel (xdotool) : « jouer », courir à droite, sauter ; le héros avance
# dans le niveau 1 et l'affichage du temps et des anneaux change ; en continuant à droite avec
# un saut chaque seconde, il détruit le crabe du départ ou atteint le panneau : le score monte.
set -u
racine="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$racine/build}"
source "$racine/tests/integration/commun-xdotool.bash"
relancer_dans_xvfb "$build"
preparer
# pixels différents entre deux clichés dans une zone
ecart() {
  convert "$tmp/$1.png" -crop "$3" +repage "$tmp/a.png"
  convert "$tmp/$2.png" -crop "$3" +repage "$tmp/b.png"
  compare -metric AE -fuzz 10% "$tmp/a.png" "$tmp/b.png" null: 2>&1 | cut -d' ' -f1
}
[[ -f data/map/1.map && -d data/png ]] || { echo "données absentes : test sauté"; exit 0; }

lancer_jeu
[[ -n "$w" ]] || { echo "ÉCHEC : pas de fenêtre"; kill $pid; exit 1; }
xdotool windowfocus "$w"; xdotool mousemove 700 590
sleep 3; xdotool key Return; sleep 1.2
xdotool key Return            # « jouer »
sleep 5; cliche depart        # carton parti, le héros est posé
xdotool keydown Right; sleep 1.2; cliche course
xdotool keydown s; sleep 0.25; cliche saut; xdotool keyup s
sleep 1.5; xdotool keyup Right; sleep 0.2; cliche fin
# pixels blancs (les chiffres du score) à gauche du « 0 » des unités, qui est en x 185 à 195
blancs() { convert "$tmp/$1.png" -crop 60x24+120+10 +repage -fuzz 10% -fill black +opaque white -format "%[fx:int(mean*w*h)]" info:; }
# jusqu'au panneau : droite tenue, un saut par seconde, tant que le score reste à 0 (90 s au plus)
xdotool keydown Right
score=0
for i in $(seq 1 90); do
  xdotool keydown s; sleep 0.3; xdotool keyup s; sleep 0.7
  if (( i % 3 == 0 )); then
    cliche score
    score=$(( $(blancs score) - $(blancs depart) ))
    [[ $score -gt 30 ]] && break
  fi
done
course=$i
xdotool keyup Right
xdotool key ctrl+q
for i in $(seq 1 30); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
kill -0 $pid 2>/dev/null && kill $pid
wait $pid; code=$?
# le temps (0'00 -> 0'0x) et les anneaux (0 -> 3 au départ du niveau 1) changent
t=$(ecart depart fin 140x22+80+44)
a=$(ecart depart fin 80x22+80+66)
verifier "le temps affiché change ($t pixels)" '[[ ${t:-0} -gt 20 ]]'
verifier "le nombre d'anneaux change ($a pixels)" '[[ ${a:-0} -gt 20 ]]'
# le décor défile : la moitié basse de l'écran n'est plus la même
d=$(ecart depart fin 640x200+0+260)
verifier "le héros a avancé, le terrain a défilé ($d pixels)" '[[ ${d:-0} -gt 5000 ]]'
s=$(ecart course saut 640x480+0+0)
verifier "le saut change l'image ($s pixels)" '[[ ${s:-0} -gt 200 ]]'
verifier "le score affiché change (robot détruit ou bilan de l'acte) ($score pixels blancs de plus, après $course s de course)" '[[ $score -gt 30 ]]'
verifier "Ctrl+Q quitte avec le code 0 (code $code)" '[[ $code -eq 0 ]]'
exit $echec
