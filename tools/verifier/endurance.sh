#!/usr/bin/env bash
# Endurance : le vrai jeu sous un Xvfb à lui, piloté au hasard par de vraies touches (xdotool).
#
#   tools/verifier/endurance.sh [-b BUILD] [-d DOSSIER] [-g GRAINE] [--redemarrages] [MINUTES]
#
# Mode par défaut (MINUTES, 15 par défaut) : directions, Q S D et Entrée tenues de 0,05 à 1,5 s, de temps
# en temps la pause (Ctrl+P) ; toutes les minutes environ un tour des écrans : Ctrl+R, puis la liste des
# niveaux par la séquence cachée du titre (chaque niveau à son tour), le choix du héros ou le synopsis.
# Mode --redemarrages : 100 Ctrl+R de suite puis 200 changements d'écran, la mémoire mesurée après chacun.
# Relevés : plantages (le jeu relancé ensuite), blocages (aucune image présentée pendant 5 s, d'après les
# événements DAMAGE du serveur X ; le jeu est alors tué et relancé), rapports des sanitiseurs sur la sortie
# d'erreur, mémoire résidente toutes les 10 s. Dernière ligne : « BILAN ... ». Sort avec 1 si un plantage,
# un blocage ou un rapport a été vu (ou, en mode --redemarrages, si la mémoire ne se stabilise pas).
set -u
racine="$(cd "$(dirname "$0")/../.." && pwd)"
build="$racine/build"; dossier=""; graine=$(( $(date +%s) % 32768 )); mode=hasard; minutes=15
while [[ $# -gt 0 ]]; do
  case "$1" in
    -b) build=$(cd "$2" && pwd); shift 2;;
    -d) dossier=$2; shift 2;;
    -g) graine=$2; shift 2;;
    --redemarrages) mode=redemarrages; shift;;
    -h|--help) sed -n 2,14p "$0"; exit 0;;
    -*) echo "option inconnue : $1" >&2; exit 2;;
    *) minutes=$1; shift;;
  esac
done
[[ -n "$dossier" ]] || dossier=$(mktemp -d /tmp/endurance.XXXXXX)
mkdir -p "$dossier"; dossier=$(cd "$dossier" && pwd)
cd "$racine" || exit 2
[[ -x "$build/vanto-tormundo" ]] || { echo "jeu absent : $build/vanto-tormundo" >&2; exit 2; }
[[ -d data/map ]] || { echo "données absentes (data/map)" >&2; exit 2; }
for o in Xvfb xdotool import; do command -v $o >/dev/null || { echo "outil absent : $o" >&2; exit 2; }; done
RANDOM=$graine

# compteur d'images présentées (DAMAGE) ; sans lui, pas de détection de blocage
compteur="$dossier/presentations"
gcc -O2 -o "$compteur" "$racine/tools/verifier/presentations.c" -lX11 -lXdamage 2>"$dossier/presentations.err" ||
  { compteur=""; echo "presentations non compilé (libxdamage-dev ?) : blocages non détectés" >&2; }

XPID=""; JPID=""; CPID=""; TPID=""
nettoyer() {
  for p in $TPID $CPID $JPID; do kill "$p" 2>/dev/null; done
  [[ -n "$JPID" ]] && wait "$JPID" 2>/dev/null
  [[ -n "$XPID" ]] && kill "$XPID" 2>/dev/null
}
trap nettoyer EXIT
for n in $(seq 150 199); do
  [[ -e /tmp/.X$n-lock ]] && continue
  Xvfb :$n -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 & XPID=$!
  sleep 1
  if kill -0 "$XPID" 2>/dev/null; then export DISPLAY=:$n; break; fi
  XPID=""
done
[[ -n "$XPID" ]] || { echo "pas de Xvfb" >&2; exit 2; }
export ALSOFT_CONF="$racine/tests/alsoft-null.conf" LIBGL_ALWAYS_SOFTWARE=1

debut=$(date +%s)
journal="$dossier/journal.txt"; : >"$journal"
memoire="$dossier/memoire.txt"; : >"$memoire"
t() { echo $(( $(date +%s) - debut )); }
noter() { echo "$(t) $*" >>"$journal"; }

lancements=0; plantages=0; blocages=0; entrees=0
declare -A ecrans=() niveaux=()
rssDebut=""; rssFin=""; rssMax=0; dernierReleve=0
wid=""; precharge=0

lancer() {
  lancements=$((lancements + 1))
  (cd "$racine" && exec "$build/vanto-tormundo") >"$dossier/jeu.$lancements.out" 2>"$dossier/jeu.$lancements.err" &
  JPID=$!
  wid=""
  for _ in $(seq 1 300); do
    wid=$(xdotool search --onlyvisible --name '^Vanto & Tormundo SFML$' 2>/dev/null | head -1)
    [[ -n "$wid" ]] && break
    kill -0 "$JPID" 2>/dev/null || break
    sleep 0.1
  done
  noter "lancement $lancements (pid $JPID, fenêtre ${wid:-aucune})"
  [[ -n "$wid" ]] || return 1
  xdotool windowfocus "$wid" 2>/dev/null; xdotool mousemove 790 590
  if [[ -n "$compteur" ]]; then
    "$compteur" "$wid" >"$dossier/images.$lancements" 2>/dev/null & CPID=$!
  fi
  ecrans[demarrage]=1
  return 0
}

releve() {
  local r
  r=$(awk '/VmRSS/{print $2}' /proc/"$JPID"/status 2>/dev/null)
  [[ -n "$r" ]] || return
  echo "$(t) $r" >>"$memoire"
  # mémoire de départ : le premier relevé après le préchargement (30 s après le lancement)
  [[ -n "$rssDebut" ]] || (( $(t) < 30 )) || rssDebut=$r
  rssFin=$r; (( r > rssMax )) && rssMax=$r
}

cliche() { import -window root -crop 640x480+0+21 +repage "$dossier/$1.png" 2>/dev/null; }

# Le jeu vit-il, présente-t-il encore des images ? Sinon : noté, relancé.
surveiller() {
  if ! kill -0 "$JPID" 2>/dev/null; then
    wait "$JPID"; local code=$?
    plantages=$((plantages + 1))
    noter "PLANTAGE (code $code) ; fin de la sortie d'erreur :"
    tail -5 "$dossier/jeu.$lancements.err" | sed 's/^/    /' >>"$journal"
    kill "$CPID" 2>/dev/null; CPID=""
    lancer; return 1
  fi
  if [[ -n "$compteur" && -s "$dossier/images.$lancements" ]]; then
    # suites de secondes sans image après la première image ; la première, dans les 30 premières
    # secondes, est le préchargement des images derrière le premier carton (60 s au plus)
    local p b
    read -r p b < <(awk '{ if ($2 > 0) { if (z > 0) fin(); vu = 1 } else if (vu) { if (z == 0) d = $1; z++ } }
                         function fin() { if (!n++ && d <= 30) p = z; else if (z > m) m = z; z = 0 }
                         END { if (z > 0) { if (!n && d <= 30 && z <= 60) p = z; else if (z > m) m = z }
                               print p + 0, m + 0 }' "$dossier/images.$lancements")
    (( p > precharge )) && precharge=$p
    if (( b >= 5 )); then
      blocages=$((blocages + 1))
      noter "BLOCAGE : $b s sans image"
      cliche "blocage-$blocages"
      kill -ABRT "$JPID" 2>/dev/null; sleep 2; kill -9 "$JPID" 2>/dev/null; wait "$JPID" 2>/dev/null
      kill "$CPID" 2>/dev/null; CPID=""
      lancer; return 1
    fi
  fi
  if (( $(t) - dernierReleve >= 10 )); then dernierReleve=$(t); releve; fi
  return 0
}

appui() { # touche, durée
  xdotool keydown "$1"; entrees=$((entrees + 1)); sleep "$2"; xdotool keyup "$1"
}
touche() { local k; for k in "$@"; do xdotool key "$k"; entrees=$((entrees + 1)); sleep 0.15; done; }
duree() { printf '0.%02d' $(( RANDOM % 96 + 5 )); }           # 0,05 à 1,00 s
dureeLongue() { awk -v r=$RANDOM 'BEGIN { printf "%.2f", 0.05 + 1.45 * r / 32767 }'; } # 0,05 à 1,5 s

# Une entrée au hasard : surtout vers la droite et des sauts, pour avancer dans les niveaux
au_hasard() {
  local r=$((RANDOM % 100))
  if (( r < 30 )); then appui Right "$(dureeLongue)"
  elif (( r < 45 )); then
    xdotool keydown Right; entrees=$((entrees + 1)); appui s "$(duree)"; sleep "$(duree)"; xdotool keyup Right
  elif (( r < 55 )); then appui s "$(dureeLongue)"
  elif (( r < 63 )); then appui Left "$(dureeLongue)"
  elif (( r < 70 )); then appui Down "$(duree)"
  elif (( r < 75 )); then # charge : bas tenu, action répétée
    xdotool keydown Down; entrees=$((entrees + 1)); touche s s s; sleep 0.2; xdotool keyup Down
  elif (( r < 80 )); then appui Up "$(dureeLongue)"
  elif (( r < 86 )); then appui q "$(duree)"
  elif (( r < 92 )); then appui d "$(duree)"
  elif (( r < 97 )); then appui Return "$(duree)"
  else # pause, puis reprise
    touche ctrl+p; sleep "$(dureeLongue)"; touche ctrl+p
  fi
}

# la liste ne boucle pas : assez de HAUT pour être sur sa première entrée
haut_de_liste() { local i; for i in $(seq 0 "$nbNiveaux"); do touche Up; done; }
sequence_cachee() { touche Left Left Right Up Down Down Right Left Up Right Down Up; }
nbNiveaux=$(ls data/map/*.map 2>/dev/null | wc -l)
mapfile -t listeNiveaux < <(ls data/map/*.map | sed 's#.*/##; s#\.map$##' | LC_ALL=C sort)   # ordre de la liste du jeu (par nom)
prochainNiveau=0

# Ctrl+R, les cartons passés : le titre
vers_titre() {
  touche ctrl+r; sleep 1.5; touche Return; sleep 1.5
  ecrans[titre]=1
}

# Un tour des écrans ; le niveau suivant de la liste à chaque fois que c'est son tour
tour() {
  vers_titre
  local r=$((RANDOM % 6))
  if (( r < 4 )); then
    sequence_cachee; sleep 1.2
    ecrans[liste_niveaux]=1
    local k=$prochainNiveau
    prochainNiveau=$(( (prochainNiveau + 1) % nbNiveaux ))
    haut_de_liste
    for _ in $(seq 1 "$k"); do touche Down; done
    touche Return; sleep 6
    ecrans[jeu]=1; niveaux[${listeNiveaux[$k]}]=1
    noter "niveau ${listeNiveaux[$k]} (entrée $k de la liste)"
    cliche "niveau-${listeNiveaux[$k]}"
  elif (( r == 4 )); then
    touche Down Return; sleep 1.5
    ecrans[choix_heros]=1; noter "choix du héros"
    for _ in $(seq 1 $((RANDOM % 4 + 1))); do touche Left; done
    touche Return; sleep 1.5
    ecrans[titre]=1
    touche Return; sleep 6; ecrans[jeu]=1; niveaux[${listeNiveaux[0]}]=1; noter "jouer"
  else
    touche Down Down Return; sleep 2
    ecrans[synopsis]=1; noter "synopsis"; cliche synopsis
    touche s; sleep 1.5
  fi
}

lancer || { echo "BILAN le jeu ne s'ouvre pas"; exit 1; }
sleep 4; touche Return; sleep 2; ecrans[titre]=1
releve

if [[ $mode == hasard ]]; then
  fin=$(( debut + minutes * 60 ))
  prochainTour=$(( $(date +%s) + 5 ))
  while (( $(date +%s) < fin )); do
    surveiller
    if (( $(date +%s) >= prochainTour )); then
      tour
      prochainTour=$(( $(date +%s) + 40 + RANDOM % 40 ))
    else
      au_hasard
    fi
  done
else
  # 100 redémarrages de suite
  for i in $(seq 1 100); do
    touche ctrl+r; sleep 0.6
    surveiller
    (( i % 10 == 0 )) && { releve; noter "redémarrages $i : $rssFin ko"; }
  done
  ecrans[demarrage]=1
  rssRedemarrages=$rssFin
  # 200 changements d'écran : cartons -> titre -> synopsis -> titre -> liste -> jeu -> cartons ...
  changements=0; cycle=0
  while (( changements < 200 )); do
    touche Return; sleep 1.2; changements=$((changements + 1))                    # titre
    case $((cycle % 3)) in
      0) touche Down Down Return; sleep 1; touche s; sleep 1.2
         changements=$((changements + 2)); ecrans[synopsis]=1;;                   # synopsis, titre
      1) touche Down Return; sleep 1; touche Return; sleep 1.2
         changements=$((changements + 2)); ecrans[choix_heros]=1;;                # choix du héros, titre
      2) sequence_cachee; sleep 1; k=$((cycle / 3 % nbNiveaux)); haut_de_liste
         for _ in $(seq 1 "$k"); do touche Down; done
         touche Return; sleep 4; niveaux[${listeNiveaux[$k]}]=1
         changements=$((changements + 2)); ecrans[liste_niveaux]=1; ecrans[jeu]=1;; # liste, jeu
    esac
    touche ctrl+r; sleep 1; changements=$((changements + 1))                      # cartons
    cycle=$((cycle + 1))
    surveiller
    releve
  done
  noter "changements d'écran : $changements"
fi

# fin propre : Ctrl+Q, le temps que les sanitiseurs écrivent leur bilan de fuites
surveiller
releve
touche ctrl+q
for _ in $(seq 1 600); do kill -0 "$JPID" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$JPID" 2>/dev/null; then noter "Ctrl+Q sans effet : jeu tué"; kill "$JPID"; fi
wait "$JPID"; codeFin=$?; JPID=""
noter "sortie du jeu : code $codeFin"
kill "$CPID" 2>/dev/null; CPID=""

rapports=$(cat "$dossier"/jeu.*.err | grep -cE 'ERROR: AddressSanitizer|runtime error:')
fuites=$(cat "$dossier"/jeu.*.err | grep -cE '^(Direct|Indirect) leak of')
ecransVus=$(echo "${!ecrans[@]}" | tr ' ' '\n' | sort | tr '\n' ',' | sed 's/,$//')
niveauxVus=$(echo "${!niveaux[@]}" | tr ' ' '\n' | sort -n | tr '\n' ',' | sed 's/,$//')
duree=$(awk -v s=$(( $(date +%s) - debut )) 'BEGIN { printf "%.1f", s / 60 }')
statut=0
(( plantages + blocages + rapports > 0 )) && statut=1
palier=""
if [[ $mode == redemarrages ]]; then
  # la mémoire se stabilise : la dernière moitié des relevés ne monte pas de plus de 5 %
  palier=$(awk '{ r[NR] = $2 } END { m = int(NR / 2); a = r[m]; b = r[NR]; printf "%+.1f", (b - a) * 100 / a }' "$memoire")
  awk -v p="$palier" 'BEGIN { exit !(p > 5) }' && statut=1
  palier=" redémarrages=100 (mémoire ${rssRedemarrages} ko) changements=$changements croissance_2e_moitié=${palier}%"
fi
echo "BILAN mode=$mode minutes=$duree entrées=$entrees écrans=${#ecrans[@]}($ecransVus)" \
     "niveaux=${#niveaux[@]}/$nbNiveaux($niveauxVus) plantages=$plantages blocages=$blocages" \
     "rapports=$rapports fuites=$fuites mémoire_début=${rssDebut}ko mémoire_fin=${rssFin}ko" \
     "mémoire_max=${rssMax}ko préchargement=${precharge}s lancements=$lancements graine=$graine$palier dossier=$dossier" | tee -a "$journal"
exit $statut
