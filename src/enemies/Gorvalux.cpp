#include "enemies/Gorvalux.h"

#include "enemies/Oursin.h"
#include "enemies/Tortue.h"
#include "objects/Explosion.h"
#include "game/SceneGraphique.h"
#include "scene/Sprite.h"

#include <algorithm>
#include <cmath>

namespace
{
const double PI = 3.14159265358979323846;
}

Gorvalux::Gorvalux(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                   const std::vector<float>& parametres)
    : Drovik(scene, position, profondeur, parametres), phase(2.0 * PI), metronome(sf::seconds(1.f / 30.f), 3)
{
    masque = 256;
    forceGravite.acceleration = 0.f;
    echelleTemps = 0.5f;
    rayon = RAYON_DETECTION;
    AjouterSprite(new Sprite("data/png/game/personnages/droviks/gorvalux.png", 0, 0, sf::Vector2f(32.f, 32.f)));
    Synchroniser();
    for (int i = 0; i < 4; ++i)
    {
        Oursin* o = new Oursin(scene, position, i * PI / 2.0, this);
        oursins.push_back(o);
        // une boule refusée par la scène est déjà détruite et s'est retirée de la liste
        Confier(o);
    }
}

Gorvalux::~Gorvalux()
{
    for (Oursin* o : oursins)
        o->OublierPorteur();
}

void Gorvalux::OublierOursin(Oursin* o)
{
    oursins.erase(std::remove(oursins.begin(), oursins.end(), o), oursins.end());
}

void Gorvalux::ToucherHeros(Heros* heros)
{
    if (etat == 0)
        ChangerEtat(ALERTE);
    else
        Drovik::ToucherHeros(heros);
}

void Gorvalux::ChangerEtat(int e)
{
    Drovik::ChangerEtat(e);
    if (e == ALERTE)
        rayon = RAYON_CORPS;
}

// Autant de pas que de 1/30 s écoulées : les boules tournent à la même vitesse à toute cadence
void Gorvalux::Penser()
{
    for (int n = metronome.Pas(); n > 0; --n)
        PasDePhase();
}

void Gorvalux::PasDePhase()
{
    phase -= PAS_PHASE;
    if (phase < 0.0)
        phase += 2.0 * PI;
    for (Oursin* o : oursins)
    {
        if (o->Lance())
            continue;
        const double phi = phase + o->DecalagePhase();
        const sf::Vector2f p = o->PositionElement() + sf::Vector2f(float(40.0 * std::cos(phi)), float(-40.0 * std::sin(phi)));
        o->position = p;
        o->positionSuivante = p;
        if (etat == ALERTE && std::floor(phi) == 4.0)
        {
            o->forceMoteur.angle = PI;
            o->forceMoteur.norme = 250.f;
        }
    }
}

Animal* Gorvalux::CreerAnimal()
{
    return new Tortue(scene, position, profondeur, 0.f);
}

void Gorvalux::Liberer()
{
    Confier(CreerAnimal());
    for (Oursin* o : oursins)
        if (!o->Lance())
            o->FixerSuppression(true);
    Confier(new Explosion(scene, position, 0));
}
