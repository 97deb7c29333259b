#include "scene/Zone_0.h"

#include "engine/GestionnaireAudio.h"
#include "engine/MoteurAudio.h"
#include "game/SceneGraphique.h"
#include "scene/Sprite.h"

#include <SFML/Graphics/RenderTarget.hpp>

Zone_0::Zone_0(SceneGraphique* scene_) : Zone(scene_)
{
    LancerMusique();
    facteur = 1.1f;
    largeurPlan = 1792;
    reference = sf::Vector2f(320.f, float((scene ? scene->NiveauEau() : 480) - 16));
    Sprite* fond = AjouterPlan(
        new Sprite("data/png/game/zones/99/background/background.png", 0, 0, sf::Vector2f(320.f, 240.f)), -1);
    fond->FixerPosition(sf::Vector2f(320.f, 240.f));
}

void Zone_0::LancerMusique()
{
    MoteurAudio::Instance()->JouerMusique(
        GestionnaireAudio::Instance()->Musique("data/ogg/musics/no_world.ogg", true));
}

void Zone_0::Animer()
{
    ActualiserVues();
}

void Zone_0::Dessiner(sf::RenderTarget& cible)
{
    DessinerCiel(cible, sprites.empty() ? nullptr : sprites[0]);
    RetablirVue(cible);
}
