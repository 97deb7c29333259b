#!/usr/bin/env bash
# Cartes hostiles par tout le chemin du jeu (lecture, fabrique, construction de chaque élément,
# carton, frames de jeu avec le héros), sous AddressSanitizer et UndefinedBehaviorSanitizer,
# pendant une durée bornée, mémoire bornée. Arbre de compilation à part : build-fuzz/.
# Graines : toutes les cartes de data/map/. Chaque carte qui plante, boucle ou dépasse la mémoire
# est gardée dans build-fuzz/fuzz/trouvailles/ avec son journal ; à copier dans
# tests/niveaux/hostiles/ une fois le défaut réparé (le test Partie.CartesHostilesParToutLeJeu les rejoue).
# Usage : bash tools/fuzz/fuzz-niveau.sh [secondes, 1800 par défaut]
# Rejouer : xvfb-run -a build-fuzz/tools/fuzz/fuzz_niveau --rejouer carte.map
# Pas lancé par ./test.sh.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
duree="${1:-1800}"
build="$racine/build-fuzz"
drapeaux="-O1 -g1 -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=address"
cd "$racine"
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="$drapeaux" \
      -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null
cmake --build "$build" -j2 --target fuzz_niveau >/dev/null
shopt -s nullglob
graines=(data/map/*.map)
if [[ ${#graines[@]} -eq 0 ]]; then
  echo "aucune carte dans data/map : lancez d'abord la préparation" >&2
  exit 2
fi
sortie="$build/fuzz"
trouvailles="$sortie/trouvailles"
mkdir -p "$trouvailles"
# une allocation de plus de 256 Mo ou plus de 2 Go résidents : trouvaille
export ASAN_OPTIONS="detect_leaks=0:hard_rss_limit_mb=2048:max_allocation_size_mb=256:allocator_may_return_null=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export ALSOFT_CONF="$racine/tests/alsoft-null.conf" LIBGL_ALWAYS_SOFTWARE=1
journal="$sortie/journal.txt"
: > "$journal"
debut=$SECONDS
fin=$((SECONDS + duree))
lancements=0
nouvelles=0
while ((SECONDS < fin)); do
  reste=$((fin - SECONDS))
  lancements=$((lancements + 1))
  if xvfb-run -a "$build/tools/fuzz/fuzz_niveau" "$reste" "$sortie" "${graines[@]}" >>"$journal" \
       2>"$sortie/erreurs.txt"; then
    continue
  fi
  [[ -f "$sortie/courant.map" ]] || continue
  nom="$(sha1sum "$sortie/courant.map" | cut -c1-12)"
  cp "$sortie/courant.map" "$trouvailles/$nom.map"
  # le rapport du sanitiseur (ou la fin du journal) : le lieu de la faute
  grep -A40 -E "ERROR: AddressSanitizer|runtime error:|SUMMARY" "$sortie/erreurs.txt" >"$trouvailles/$nom.txt" ||
    tail -60 "$sortie/erreurs.txt" >"$trouvailles/$nom.txt"
  nouvelles=$((nouvelles + 1))
  echo "trouvaille $nom : $(grep -m1 -oE "ERROR: AddressSanitizer: [a-z-]+|runtime error: .{0,80}" "$trouvailles/$nom.txt" || echo arrêt)"
done
# essais : le dernier relevé de chaque lancement (un lancement qui plante perd sa dernière minute)
essais=$(awk '/graines/ {if (n) s += d; n = 1; d = 0}
              /essais [0-9]+/ {for (i = 1; i <= NF; i++) if ($i == "essais") d = $(i + 1) + 0}
              END {print s + d}' "$journal")
echo "fuzz : $((SECONDS - debut)) s, $lancements lancements, environ $essais cartes jouées, $nouvelles trouvailles dans $trouvailles"
