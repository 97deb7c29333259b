#!/usr/bin/env bash
# Préparation commune à play.sh et test.sh : paquets, compilation, données.
set -euo pipefail
racine="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$racine"

# 1. Paquets Debian manquants
manquants=()
while read -r p; do
  [[ -z "$p" || "$p" == \#* ]] && continue
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    manquants+=("$p")
  fi
done < tools/paquets.txt
if (( ${#manquants[@]} )); then
  if [[ $(id -u) -eq 0 ]]; then
    echo "Installation des paquets : ${manquants[*]}"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    apt-get install -y -qq --no-install-recommends "${manquants[@]}"
  else
    echo "Paquets manquants. Lancez :" >&2
    echo "  sudo apt-get install -y ${manquants[*]}" >&2
    exit 1
  fi
fi

# 2. Compilation
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"

# 3. Données générées (chaque générateur décide s'il doit refaire son travail)
mkdir -p data
for g in tools/*/genere.sh; do
  [[ -e "$g" ]] || continue
  bash "$g" "$racine/build" "$racine/data"
done
