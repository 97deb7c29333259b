#include "heroes/BouclierTotal.h"

#include "engine/GestionnaireAudio.h"
#include "engine/MoteurAudio.h"
#include "game/SceneGraphique.h"
#include "heroes/EtoileMagique.h"
#include "scene/Sprite.h"

#include <cstdlib>

namespace
{
const char* MUSIQUE = "data/ogg/musics/bouclier_total.ogg";
// invincibilités en cours : la dernière qui part arrête la musique
int enCours = 0;
}

// Le cristal de la planche (image 0 de la rangée 0) reste sous les étoiles
BouclierTotal::BouclierTotal(SceneGraphique* scene, sf::Vector2f* a) : Bouclier(scene, a, 75.f, 5)
{
    ++enCours;
    SemerEtoiles();
    if (sf::Music* m = GestionnaireAudio::Instance()->Musique(MUSIQUE, true))
        MoteurAudio::Instance()->JouerMusique(m);
}

BouclierTotal::~BouclierTotal()
{
    if (--enCours > 0)
        return;
    if (sf::Music* m = GestionnaireAudio::Instance()->Musique(MUSIQUE, false))
        MoteurAudio::Instance()->ArreterMusique(m);
}

void BouclierTotal::SemerEtoiles()
{
    if (!scene || !ancre)
        return;
    for (int i = 1; i <= 10; ++i)
    {
        const float u = float(std::rand() % 32768) / 32767.f, v = float(std::rand() % 32768) / 32767.f;
        scene->AjouterElement(new EtoileMagique(scene, this, *ancre + sf::Vector2f(u * 48.f - 24.f, v * 48.f - 24.f), i));
    }
}

void BouclierTotal::AnimerEtat()
{
    if (horloge.getElapsedTime().asSeconds() > 0.1162f)
    {
        SemerEtoiles();
        horloge.restart();
    }
}
