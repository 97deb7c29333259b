#include "enemies/Drovik.h"

#include "enemies/Animal.h"
#include "enemies/Projectile.h"
#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "objects/Explosion.h"

Drovik::Drovik(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
               const std::vector<float>& parametres)
    : Ennemi(scene, position, profondeur, parametres)
{
    masse = 200.f;
}

Drovik::~Drovik()
{
}

void Drovik::ToucherHeros(Heros* heros)
{
    // déjà détruit : il n'agit plus
    if (!heros || aSupprimer)
        return;
    if (!heros->EstDangereux(this))
    {
        heros->Blesser(0);
        return;
    }
    Blesser(0);
    heros->AjouterScore(POINTS);
    if (heros->Etat() == HEROS_SAUT)
        heros->Amortir();
}

void Drovik::ContactSolide()
{
    Personnage::ContactSolide();
}

bool Drovik::Blesser(int genre)
{
    // un seul animal et une seule explosion, même touché deux fois
    if (aSupprimer)
        return false;
    if (!Ennemi::Blesser(genre))
        return false;
    Liberer();
    return true;
}

void Drovik::Liberer()
{
    Confier(CreerAnimal());
    Confier(new Explosion(scene, position, 0));
}

void Drovik::Confier(ElementScenique* element)
{
    if (!element)
        return;
    if (scene)
        scene->AjouterElement(element);
    else
        delete element;
}

void Drovik::Tirer(const sf::Vector2f& d, double angle, int type)
{
    Confier(new Projectile(scene, position + d, angle, type));
}

void Drovik::FaireDemiTour()
{
    forceMoteur.norme = -forceMoteur.norme;
    positionSuivante = position;
    versLaDroite = !versLaDroite;
}
