#!/usr/bin/env bash
# Sans dossier data/ : le jeu démarre, signale chaque fichier manquant une fois et continue.
set -u
racine="$(cd "$(dirname "$0")/../.." && pwd)"
build="${1:-$racine/build}"
if [[ -z "${SANS_DONNEES_DANS_XVFB:-}" ]]; then
  export SANS_DONNEES_DANS_XVFB=1
  exec xvfb-run -a bash "$0" "$build"
fi
export ALSOFT_CONF="$racine/tests/alsoft-null.conf"
vide=$(mktemp -d); trap 'rm -rf "$vide"' EXIT
cd "$vide"
"$build/vanto-tormundo" >/dev/null 2>"$vide/erreurs" &
pid=$!
sleep 6
echec=0
if kill -0 $pid 2>/dev/null; then echo "ok : le jeu tourne toujours"; kill $pid; else echo "ÉCHEC : le jeu s'est arrêté"; echec=1; fi
wait $pid 2>/dev/null
grep -E "^Impossible de charger (l'image|la police|le son) : " "$vide/erreurs" > "$vide/messages"
n=$(wc -l < "$vide/messages")
echo "$n messages :"; sed 's/^/  /' "$vide/messages"
grep -qx "Impossible de charger la police : data/ttf/lucon.ttf" "$vide/messages" || { echo "ÉCHEC : police lucon non signalée"; echec=1; }
grep -qx "Impossible de charger l'image : data/png/logos/quor.png" "$vide/messages" || { echo "ÉCHEC : logo non signalé"; echec=1; }
doubles=$(sort "$vide/messages" | uniq -d)
[[ -z "$doubles" ]] || { echo "ÉCHEC : messages répétés : $doubles"; echec=1; }
exit $echec
