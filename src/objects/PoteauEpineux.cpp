#include "objects/PoteauEpineux.h"

#include "engine/GestionnaireAudio.h"
#include "heroes/Heros.h"
#include "objects/PontEpineux.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <cmath>

PoteauEpineux::PoteauEpineux(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
                             const std::vector<float>& parametres)
    : PolygoneScenique(scene_, p, profondeur_, parametres)
{
    masque = 256;
    // capteur : il ne porte pas le héros
    AjouterSegment(new Segment(sf::Vector2f(p.x, p.y - 128.f), sf::Vector2f(p.x, p.y + 128.f),
                               SEG_COTE | SEG_TOUS_SENS | SEG_CAPTEUR));
    Sprite* s = new Sprite("objets/pont_epineux.png", 256, 64, sf::Vector2f(128.f, 32.f), true);
    s->FixerImage(0, 0);
    s->Tourner(90.f);
    AjouterSprite(s);
    Synchroniser();
}

int PoteauEpineux::Bande(float y) const
{
    const int k = int(std::floor((y - (position.y - 128.f)) / 64.f));
    return ((k % 4) + 4) % 4;
}

void PoteauEpineux::ContactHeros(Heros* heros)
{
    if (!heros || heros->collision.indiceCapteur < 0)
        return;
    // la bande dont les pics sont sortis sur l'image (l'image tournée met sa colonne k en bande k)
    if (Bande(heros->collision.pointTest.y) == etat && heros->Blesser(0))
        GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/pics.ogg");
}

void PoteauEpineux::AnimerEtat()
{
    if (!sprites.empty())
        etat = PontEpineux::AnimerPics(sprites[0]);
}
