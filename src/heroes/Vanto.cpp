#include "heroes/Vanto.h"

#include "heroes/Bouclier.h"
#include "scene/Sprite.h"

#include <cmath>

namespace
{
const double PI = 3.14159265358979323846;
}

Vanto::Vanto(SceneGraphique* scene, const sf::Vector2f& position) : Heros(scene, position)
{
    masse = 160.f;
    AjouterSprite(new Sprite("data/png/game/personnages/heros/vanto.png", 160, 160, sf::Vector2f(80.f, 80.f)));
}

void Vanto::SautMaintenu()
{
    Heros::SautMaintenu();
    if (etat != HEROS_SAUT || phaseSaut != 2)
        return;
    phaseSaut = 3;
    class Bouclier* b = bouclierActif;
    switch (marque)
    {
    case 2:
        if (b)
            b->ChangerEtat(9);
        forceGravite.norme = 0.f;
        forceMoteur.Annuler();
        forceMoteur.angle = 0.0;
        forceElan.Annuler();
        forceElan.norme = reglages.vitessePlongeeBulle;
        forceElan.angle = 3.0 * PI / 2.0;
        break;
    case 3:
        if (b)
        {
            b->ChangerEtat(9);
            // la flamme part du côté où le héros regarde (le miroir suit l'orientation du bouclier)
            b->FixerVersLaDroite(versLaDroite);
        }
        forceGravite.norme = 0.f;
        forceMoteur.Annuler();
        forceMoteur.angle = 0.0;
        forceElan.Annuler();
        forceElan.norme = reglages.vitesseDashFeu;
        forceElan.angle = versLaDroite ? 0.0 : PI;
        break;
    case 4:
        if (b)
            b->ChangerEtat(1);
        forceGravite.norme = 0.f;
        forceMoteur.norme = vitesse.x;
        forceMoteur.angle = 0.0;
        forceElan.Annuler();
        forceElan.norme = reglages.vitesseDoubleSaut;
        forceElan.angle = PI / 2.0;
        break;
    default:
        break;
    }
}

void Vanto::AnimerEtat()
{
    Heros::AnimerEtat();
    if (sprites.empty())
        return;
    Sprite* s = sprites[0];
    const float k = echelleTemps > 0.f ? 1.f / echelleTemps : 1.f;
    if (AnimerPoseCommune(s, k))
        return;
    switch (etat)
    {
    case HEROS_DERAPAGE: s->AnimerLigne(5, 0, 2, 0.05f * k, true); break;
    case HEROS_DEMI_TOUR:
        s->FixerImage(5, 3);
        if (horloge.getElapsedTime().asSeconds() > 0.1f)
        {
            ElementScenique::ChangerEtat(HEROS_COURSE);
            versLaDroite = !versLaDroite;
        }
        break;
    case HEROS_BURSTREV: s->AnimerLigne(3, 3, 7, 0.015f * k, true); break;
    case HEROS_POUSSEE: s->AnimerLigne(4, 0, 3, 0.3f * k, true); break;
    default: break;
    }
}
