#include "scene/Zone_2.h"

#include "engine/GestionnaireAudio.h"
#include "engine/MoteurAudio.h"
#include "game/SceneGraphique.h"
#include "scene/Sprite.h"

#include <SFML/Graphics/RenderTarget.hpp>

Zone_2::Zone_2(SceneGraphique* scene_) : Zone(scene_)
{
    LancerMusique();
    facteur = 1.25f;
    largeurPlan = 0;
    const int l = scene ? scene->Largeur() : 640, h = scene ? scene->Hauteur() : 480;
    reference = sf::Vector2f(float(l / 2), float(h / 2));
    // 0 : le ciel, sans vue ; 1 : la galaxie, très loin
    Sprite* ciel = AjouterPlan(
        new Sprite("data/png/game/zones/2/background/background.png", 0, 0, sf::Vector2f(320.f, 240.f)), -1);
    ciel->FixerPosition(sf::Vector2f(320.f, 240.f));
    Sprite* galaxie = AjouterPlan(
        new Sprite("data/png/game/zones/2/background/galaxie_xxl.png", 0, 0, sf::Vector2f(320.f, 320.f)), 21);
    galaxie->FixerPosition(reference);
}

void Zone_2::LancerMusique()
{
    MoteurAudio::Instance()->JouerMusique(GestionnaireAudio::Instance()->Musique("data/ogg/musics/zone_2.ogg", true));
}

void Zone_2::Animer()
{
    ActualiserVues();
}

void Zone_2::Dessiner(sf::RenderTarget& cible)
{
    DessinerCiel(cible, sprites.empty() ? nullptr : sprites[0]);
    DessinerPlans(cible, false);
}
