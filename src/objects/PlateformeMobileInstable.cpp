#include "objects/PlateformeMobileInstable.h"

#include "engine/GestionnaireAudio.h"
#include "game/Camera.h"
#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <algorithm>

PlateformeMobileInstable::PlateformeMobileInstable(SceneGraphique* scene, const sf::Vector2f& p, float profondeur,
                                                   const std::vector<float>& parametres)
    : PolygoneScenique(scene, p, profondeur, parametres), dernierHeros(nullptr)
{
    masque = 0x100;
    masse = 100.f;
    AjouterSegment(new Segment(p + sf::Vector2f(-16.f, -64.f), p + sf::Vector2f(16.f, -64.f), 41));
    Sprite* s = new Sprite("textures/texture_128.png", 192, 192, sf::Vector2f(96.f, 96.f), true);
    s->FixerImage(2, 5);
    AjouterSprite(s);
    Synchroniser();
}

void PlateformeMobileInstable::ContactHeros(Heros* heros)
{
    if (!heros)
        return;
    dernierHeros = heros;
    if (etat == 0)
    {
        PolygoneScenique::ContactHeros(heros);
        ChangerEtat(1);
        horlogeEffondrement.restart();
    }
    else if (etat == 1)
        PolygoneScenique::ContactHeros(heros);
    else
    {
        heros->Decoller();
        SupprimerSegments();
    }
}

void PlateformeMobileInstable::Animer()
{
    if (etat != 1 || horlogeEffondrement.getElapsedTime().asSeconds() <= 0.15f)
        return;
    GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/brrr.ogg");
    if (scene && scene->CameraScene())
        scene->CameraScene()->Secouer(4.f, 0.5f);
    // sans masque il ne rencontre plus personne : le héros posé dessus doit décoller ici
    if (dernierHeros && dernierHeros->sol &&
        std::find(segments.begin(), segments.end(), dernierHeros->sol) != segments.end())
        dernierHeros->Decoller();
    SupprimerSegments();
    AjouterSegment(new Segment(position + sf::Vector2f(-128.f, -64.f), position + sf::Vector2f(128.f, -64.f), 8));
    fige = false;
    masque = 0;
    ChangerEtat(9);
}
