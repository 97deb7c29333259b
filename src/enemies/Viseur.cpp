#include "enemies/Viseur.h"

#include "enemies/BossFinal.h"
#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <cmath>

Viseur::Viseur(SceneGraphique* scene_, const sf::Vector2f& p) : CercleScenique(scene_, p, 95.f), corps(nullptr)
{
    masque = 256;
    // si grand qu'il touche le héros à chaque frame
    rayon = 1000000.f;
    masse = 100.f;
    if (scene)
        cadre = sf::FloatRect(0.f, 0.f, float(scene->Largeur()), float(scene->Hauteur()));
    AjouterSprite(new Sprite("data/png/game/personnages/boss/final/viseur.png", 64, 64, sf::Vector2f(32.f, 32.f)));
    // quatre flèches autour du viseur
    for (int i = 0; i < 4; ++i)
    {
        Sprite* f = new Sprite("data/png/game/personnages/boss/final/fleches.png", 192, 192, sf::Vector2f(192.f, 192.f));
        f->SpriteSFML().rotate(90.f * float(i));
        AjouterSprite(f);
    }
    ChangerEtat(REPOS);
}

Viseur::~Viseur()
{
    if (corps)
        corps->Oublier(this);
}

void Viseur::ToucherHeros(Heros* heros)
{
    if (!heros)
        return;
    if (etat == POURSUITE)
    {
        const sf::Vector2f d = heros->positionSuivante - positionSuivante;
        if (std::sqrt(d.x * d.x + d.y * d.y) > 8.f)
        {
            // attiré vers le héros, de plus en plus vite
            const Segment visee(positionSuivante, heros->positionSuivante, 125);
            forceGravite.angle = visee.Angle();
            forceGravite.acceleration = 9.81f;
        }
        else
        {
            // accroché : il suit le héros à sa vitesse
            positionSuivante = heros->positionSuivante;
            ReinitialiserForces();
            forceGravite.acceleration = heros->vitesse.acceleration;
            forceGravite.angle = heros->vitesse.angle;
            forceGravite.norme = heros->vitesse.norme;
        }
    }
    else if (etat == REPOS)
    {
        positionSuivante = heros->positionSuivante;
        ReinitialiserForces();
        forceGravite.acceleration = 0.f;
    }
    else
    {
        ReinitialiserForces();
        forceGravite.acceleration = 0.f;
    }
}

void Viseur::Dessiner(sf::RenderTarget& canvas)
{
    // au repos, il suit le héros sans se montrer
    if (etat != REPOS)
        CercleScenique::Dessiner(canvas);
}

void Viseur::AnimerEtat()
{
    if (sprites.size() < 5)
        return;
    const float t = horloge.getElapsedTime().asSeconds();
    auto Fleches = [this](bool animees) {
        for (std::size_t i = 1; i < sprites.size(); ++i)
            if (animees)
                sprites[i]->AnimerLigne(0, 0, 6, 0.075f, true);
            else
                sprites[i]->FixerImage(0, 0);
    };
    switch (etat)
    {
    case POURSUITE:
        sprites[0]->FixerImage(0, 1);
        Fleches(true);
        if (t > 3.f)
            ChangerEtat(VERROU);
        break;
    case VERROU:
        sprites[0]->AnimerLigne(0, 2, 3, 0.075f, true);
        Fleches(true);
        if (t > 1.f)
            ChangerEtat(PRET);
        break;
    case PRET:
        sprites[0]->AnimerLigne(0, 2, 3, 0.035f, true);
        Fleches(false);
        break;
    default:
        for (Sprite* s : sprites)
            s->FixerImage(0, 0);
        break;
    }
}
