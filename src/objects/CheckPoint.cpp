#include "objects/CheckPoint.h"

#include "engine/GestionnaireAudio.h"
#include "heroes/Heros.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

CheckPoint::CheckPoint(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
                       const std::vector<float>& parametres)
    : PolygoneScenique(scene_, p, profondeur_, parametres)
{
    masque = 256;
    AjouterSegment(new Segment(sf::Vector2f(p.x, p.y + 64.f), sf::Vector2f(p.x, p.y - 64.f),
                               SEG_COTE | SEG_TOUS_SENS | SEG_CAPTEUR));
    Sprite* s = new Sprite("data/png/game/zones/_/checkpoint.png", 80, 128, sf::Vector2f(40.f, 64.f));
    s->FixerImage(0, 0);
    AjouterSprite(s);
    Synchroniser();
}

void CheckPoint::ContactHeros(Heros* heros)
{
    if (!heros || etat != 0 || heros->collision.indiceCapteur < 0)
        return;
    // déjà le point de retour : passé sans bruit
    if (heros->PositionElement() == positionElement)
        ChangerEtat(9);
    else
    {
        GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/checkpoint.ogg");
        heros->FixerPosition(positionElement);
        ChangerEtat(1);
    }
    // une seule réaction
    SupprimerSegments();
}

void CheckPoint::AnimerEtat()
{
    if (sprites.empty())
        return;
    if (etat == 0)
        sprites[0]->FixerImage(0, 0);
    else if (etat == 1)
    {
        if (sprites[0]->AnimerLigne(0, 1, 16, 0.02f, false))
            ChangerEtat(9);
    }
    else if (etat == 9)
        sprites[0]->FixerImage(0, 1);
}
