#!/usr/bin/env bash
# Vérification sous sanitiseurs : un arbre build-asan/ compilé avec AddressSanitizer et
# UndefinedBehaviorSanitizer (détection des fuites comprise), chaque exécutable de tests de la suite,
# puis une courte partie d'endurance du vrai jeu. Une ligne de bilan par vérification, avec le nombre
# de rapports (erreurs mémoire, comportements indéfinis) et de fuites.
#
#   tools/verifier/sanitiseurs.sh [-m MINUTES] [-j TÂCHES] [--sans-compiler] [--sans-tests] [--sans-endurance]
#
# MINUTES : durée de la partie d'endurance (3 par défaut). Les journaux vont dans build-asan/rapports/.
# Sort avec 1 s'il y a un rapport, une fuite, un échec ou un délai dépassé. Hors de ./test.sh (lent).
set -u
racine="$(cd "$(dirname "$0")/../.." && pwd)"
cd "$racine" || exit 2
minutes=3; taches=2; compiler=1; tests=1; endurance=1
while [[ $# -gt 0 ]]; do
  case "$1" in
    -m) minutes=$2; shift 2;;
    -j) taches=$2; shift 2;;
    --sans-compiler) compiler=0; shift;;
    --sans-tests) tests=0; shift;;
    --sans-endurance) endurance=0; shift;;
    -h|--help) sed -n 2,10p "$0"; exit 0;;
    *) echo "option inconnue : $1" >&2; exit 2;;
  esac
done
build="$racine/build-asan"
rapports="$build/rapports"
drapeaux="-O1 -g1 -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=address"

if [[ $compiler -eq 1 ]]; then
  cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=None -DCMAKE_CXX_FLAGS="$drapeaux" \
        -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" >/dev/null || exit 2
  # un exécutable de tests par dossier de tests/ qui a des sources
  cibles=$(for d in tests/*/; do ls "$d"*.cpp >/dev/null 2>&1 && echo "test_$(basename "$d")"; done)
  cmake --build "$build" -j"$taches" --target vanto-tormundo $cibles || { echo "compilation : ÉCHEC"; exit 2; }
fi
[[ -d data/map ]] || { echo "données absentes (data/) : lancez d'abord la préparation" >&2; exit 2; }
mkdir -p "$rapports"

# Bibliothèques du système dont les fuites ne sont pas les nôtres
export LSAN_OPTIONS="suppressions=$racine/tools/verifier/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=0"
export ALSOFT_CONF="$racine/tests/alsoft-null.conf" LIBGL_ALWAYS_SOFTWARE=1
statut=0

# compte dans les journaux d'un préfixe : rapports (ASan + UBSan) et fuites (blocs signalés)
compter() {
  local f=("$1".*)
  [[ -e "${f[0]}" ]] || { echo "0 0"; return; }
  local r l
  r=$(cat "${f[@]}" | grep -cE 'ERROR: AddressSanitizer|runtime error:')
  l=$(cat "${f[@]}" | grep -cE '^(Direct|Indirect) leak of')
  echo "$r $l"
}

if [[ $tests -eq 1 ]]; then
  rm -f "$rapports"/test_*
  for t in "$build"/test_*; do
    [[ -f "$t" && -x "$t" ]] || continue
    nom=$(basename "$t")
    debut=$(date +%s)
    # les essais à l'écoute ouvrent OpenAL sur la sortie « wave » : chacun dans son processus, comme sous ctest
    seuls=$("$t" --gtest_list_tests 2>/dev/null | awk '/^[A-Za-z]/{g=$1} /^  /{if (g=="SonEnJeu.") print g $1}')
    filtre="-SonEnJeu.*"
    ASAN_OPTIONS="detect_leaks=1:log_path=$rapports/$nom" UBSAN_OPTIONS="$UBSAN_OPTIONS:log_path=$rapports/$nom" \
      timeout 1800 xvfb-run -a -s "-screen 0 800x600x24" "$t" --gtest_filter="$filtre" >"$rapports/$nom.sortie" 2>&1
    code=$?
    # à l'écoute en temps réel, ralenties par les sanitiseurs : trois essais au plus, comme ./test.sh
    for essai in $seuls; do
      for _ in 1 2 3; do
        ASAN_OPTIONS="detect_leaks=1:log_path=$rapports/$nom" UBSAN_OPTIONS="$UBSAN_OPTIONS:log_path=$rapports/$nom" \
          timeout 600 xvfb-run -a -s "-screen 0 800x600x24" "$t" --gtest_filter="$essai" >"$rapports/$nom.essai" 2>&1
        c=$?
        [[ $c -eq 0 ]] && break
      done
      cat "$rapports/$nom.essai" >>"$rapports/$nom.sortie"; rm -f "$rapports/$nom.essai"
      [[ $c -ne 0 ]] && code=$c
    done
    read -r r l < <(compter "$rapports/$nom")
    ok=$(grep -c '^\[       OK \]' "$rapports/$nom.sortie")
    ko=$(grep -cE '^\[  FAILED  \] [A-Za-z][^ ]* \(' "$rapports/$nom.sortie")
    [[ $code -eq 124 ]] && etat="délai dépassé" || etat="code $code"
    printf '%-18s %3d tests passés, %2d échoués, %s, %3d s : %d rapports, %d fuites\n' \
      "$nom" "$ok" "$ko" "$etat" $(( $(date +%s) - debut )) "$r" "$l"
    [[ $code -ne 0 || $r -ne 0 || $l -ne 0 ]] && statut=1
  done
fi

if [[ $endurance -eq 1 ]]; then
  debut=$(date +%s)
  rm -rf "$rapports"/jeu.* "$rapports"/endurance*
  ASAN_OPTIONS="detect_leaks=1:log_path=$rapports/jeu" \
    bash tools/verifier/endurance.sh -b "$build" -d "$rapports/endurance" "$minutes" >"$rapports/endurance.sortie" 2>&1
  code=$?
  read -r r l < <(compter "$rapports/jeu")
  bilan=$(grep '^BILAN' "$rapports/endurance.sortie" | tail -1 | sed 's/^BILAN //')
  # les comportements indéfinis du jeu vont sur sa sortie d'erreur, que l'endurance compte
  u=$(echo "$bilan" | sed -n 's/.* rapports=\([0-9]*\).*/\1/p'); r=$((r + ${u:-0}))
  printf '%-18s %s, code %d, %d s : %d rapports, %d fuites\n' "endurance" "${bilan:-pas de bilan}" "$code" \
    $(( $(date +%s) - debut )) "$r" "$l"
  [[ $code -ne 0 || $r -ne 0 || $l -ne 0 ]] && statut=1
fi
echo "journaux : $rapports"
exit $statut
