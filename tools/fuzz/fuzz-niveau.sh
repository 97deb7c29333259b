#!/usr/bin/env bash
# Fuzz du lecteur de cartes avec libFuzzer (clang des paquets Debian), durée bornée.
# Usage : bash tools/fuzz/fuzz-niveau.sh [secondes, 600 par défaut]
# Pas lancé par ./test.sh.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
duree="${1:-600}"
if ! command -v clang++ >/dev/null; then
  if [[ $(id -u) -eq 0 ]]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends clang libclang-rt-dev >/dev/null 2>&1 ||
      apt-get install -y -qq --no-install-recommends clang
  else
    echo "clang manquant : sudo apt-get install -y clang" >&2
    exit 1
  fi
fi
sortie="$racine/build/fuzz"
mkdir -p "$sortie/corpus"
# corpus de départ : les cartes compilées
cp -f "$racine"/data/map/*.map "$sortie/corpus/" 2>/dev/null || true
drapeaux_qt="$(pkg-config --cflags --libs Qt5Widgets)"
clang++ -std=c++17 -g -O1 -fPIC -fsanitize=fuzzer,address,undefined -I"$racine/src" \
  "$racine/tools/fuzz/fuzz_niveau.cpp" "$racine/src/game/LecteurNiveau.cpp" \
  $drapeaux_qt -o "$sortie/fuzz_niveau"
cd "$sortie"
# max_len borne la taille des entrées ; rss_limit_mb borne la mémoire
./fuzz_niveau -max_total_time="$duree" -max_len=65536 -rss_limit_mb=1024 -malloc_limit_mb=64 \
  -timeout=5 -print_final_stats=1 corpus
