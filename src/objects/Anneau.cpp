#include "objects/Anneau.h"

#include "heroes/Heros.h"
#include "physics/Force.h"
#include "scene/Sprite.h"

#include <cmath>
#include <set>

namespace
{
const double PI = 3.14159265358979323846;

std::set<const void*>& Vivants()
{
    static std::set<const void*> v;
    return v;
}
}

Anneau::Anneau(SceneGraphique* scene, const sf::Vector2f& position, float profondeur, const std::vector<float>& p)
    : CercleScenique(scene, position, profondeur, p)
{
    Preparer();
    fige = true;
    masque = 256;
    marque = 4;
}

Anneau::Anneau(SceneGraphique* scene, const sf::Vector2f& position, const Force& lancer)
    : CercleScenique(scene, position, 39.f)
{
    Preparer();
    ChangerEtat(0);
    sol = nullptr;
    support = &forcePropre;
    forceElan.norme = lancer.norme;
    forceElan.angle = lancer.angle;
    if (lancer.angle <= 0.0 || lancer.angle >= PI)
        masque = 256;
}

void Anneau::Preparer()
{
    Vivants().insert(static_cast<const void*>(static_cast<CercleScenique*>(this)));
    masse = 140.f;
    rayon = 16.f;
    AjouterSprite(new Sprite("data/png/game/personnages/heros/ressources/anneau.png", 48, 48, sf::Vector2f(24.f, 24.f)));
    Synchroniser();
}

Anneau::~Anneau()
{
    Vivants().erase(static_cast<const void*>(static_cast<CercleScenique*>(this)));
}

bool Anneau::Existe(const void* p)
{
    return p && Vivants().count(p) != 0;
}

std::size_t Anneau::Nombre()
{
    return Vivants().size();
}

void Anneau::ToucherHeros(Heros* heros)
{
    if (!heros || etat != 0 || horloge.getElapsedTime().asSeconds() <= 0.5f)
        return;
    ChangerEtat(1);
    ReinitialiserForces();
    forceGravite.acceleration = 0.f;
    profondeur += 40.f;
    heros->AjouterAnneaux(1);
}

void Anneau::AnimerEtat()
{
    if (etat == 0)
    {
        sprites[0]->AnimerLigne(0, 0, 3, 0.15f, true);
        if (forceGravite.angle == 3.0 * PI / 2.0 && forceGravite.norme != 0.f &&
            horloge.getElapsedTime().asSeconds() > 5.f)
            aSupprimer = true;
    }
    else if (etat == 1)
    {
        if (sprites[0]->AnimerLigne(1, 0, 3, 0.08f, false))
            aSupprimer = true;
    }
}
