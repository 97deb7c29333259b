# Polices du jeu, tirées des paquets Debian de polices libres (lancé par fontforge).
import fontforge, psMat, sys

dest = sys.argv[1]

def deriver(source, nom, echelle):
    ft = fontforge.open(source)
    if echelle != 1.0:
        ft.selection.all()
        ft.transform(psMat.scale(echelle))
        # les métriques de ligne suivent les glyphes
        for attr in ("os2_winascent", "os2_windescent", "os2_typoascent", "os2_typodescent",
                     "hhea_ascent", "hhea_descent"):
            setattr(ft, attr, int(getattr(ft, attr) * echelle))
        ft.os2_typolinegap = int(ft.os2_typolinegap * echelle)
        ft.hhea_linegap = int(ft.hhea_linegap * echelle)
    ft.fontname = nom
    ft.familyname = nom
    ft.fullname = nom
    ft.generate(dest + "/" + nom + ".ttf")
    ft.close()

deriver("/usr/share/fonts/truetype/dejavu/DejaVuSansMono.ttf", "lucon", 1.0)
deriver("/usr/share/fonts/opentype/league-spartan/LeagueSpartan-Black.otf", "vantotitlefont", 2.5)
deriver("/usr/share/fonts/opentype/fantasma/Fantasma-Bold.otf", "nisequorvanto", 1.6)
deriver("/usr/share/fonts/opentype/league-spartan/LeagueSpartan-Black.otf", "nisetera", 1.0)
