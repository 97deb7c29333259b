// Cible libFuzzer : le lecteur de cartes ne doit ni planter, ni boucler, ni trop allouer.
#include "game/LecteurNiveau.h"

#include <QBuffer>
#include <QByteArray>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace
{
void Muet(const QString&, const QString&)
{
}
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    LecteurNiveau::FixerAvertisseur(Muet);
    QByteArray octets(reinterpret_cast<const char*>(donnees), int(taille));
    QBuffer tampon(&octets);
    tampon.open(QIODevice::ReadOnly);
    LecteurNiveau lecteur(&tampon, "fuzz");
    EnteteNiveau e;
    if (!lecteur.LireEntete(e))
        return 0;
    float profondeur = 0.f;
    std::vector<float> parametres;
    EnregistrementNiveau r;
    size_t lus = 0;
    while (lecteur.LireEnregistrement(r))
    {
        LecteurNiveau::LireParametres(r.textes, r.id, profondeur, parametres);
        // chaque enregistrement consomme au moins 24 octets
        if (++lus > taille / LecteurNiveau::TAILLE_MIN_ENREGISTREMENT)
            __builtin_trap();
    }
    return 0;
}
