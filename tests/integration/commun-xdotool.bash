# Prologue des parties pilotées par xdotool, lu par « source » : le script se relance dans un
# Xvfb à lui, puis trouve ici son dossier de clichés, ses vérifications et le lancement du jeu.
# Variables attendues : racine, build ; le script appelant passe ses arguments à relancer_dans_xvfb.
relancer_dans_xvfb() {
  if [[ -z "${XDOTOOL_DANS_XVFB:-}" ]]; then
    export XDOTOOL_DANS_XVFB=1
    exec xvfb-run -a -s "-screen 0 800x600x24" bash "$0" "$@"
  fi
}
preparer() {
  cd "$racine"
  export ALSOFT_CONF="$racine/tests/alsoft-null.conf"
  tmp=$(mktemp -d); trap 'rm -rf "$tmp"' EXIT
  echec=0
}
verifier() { if eval "$2"; then echo "ok : $1"; else echo "ÉCHEC : $1"; echec=1; fi; }
# le canevas sous la barre de menus
cliche() { import -window root -crop 640x480+0+21 +repage "$tmp/$1.png"; }
# lance le jeu et attend sa fenêtre visible (5 s au plus) : pid et w
lancer_jeu() {
  "$build/vanto-tormundo" >"$tmp/sortie" 2>"$tmp/erreurs" &
  pid=$!
  w=""
  for i in $(seq 1 50); do
    w=$(xdotool search --onlyvisible --name "^Vanto & Tormundo SFML$" 2>/dev/null | head -1)
    [[ -n "$w" ]] && break; sleep 0.1
  done
}
