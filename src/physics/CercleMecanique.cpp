#include "physics/CercleMecanique.h"

#include "game/IAEngine.h"
#include "game/SceneGraphique.h"
#include "heroes/Heros.h"

CercleMecanique::CercleMecanique(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_)
    : CercleScenique(scene_, p, profondeur_), Mecanique(nullptr, nullptr)
{
    Preparer();
}

CercleMecanique::CercleMecanique(SceneGraphique* scene_, CercleMecanique* parent_, CercleMecanique* enfant_,
                                 float profondeur_)
    : CercleScenique(scene_, parent_ ? parent_->position : sf::Vector2f(0.f, 0.f), profondeur_),
      Mecanique(parent_, enfant_)
{
    Preparer();
}

void CercleMecanique::Preparer()
{
    IAEngine::Inscrire(this);
    forceGravite.acceleration = 0.f;
    if (scene)
        cadre = sf::FloatRect(0.f, 0.f, float(scene->Largeur()), float(scene->Hauteur()));
}

CercleMecanique::~CercleMecanique()
{
    IAEngine::Desinscrire(this);
    // un membre supprimé avant ses voisins ne leur laisse pas de lien pendant
    if (parent && parent->enfant == this)
        parent->enfant = nullptr;
    if (enfant && enfant->parent == this)
        enfant->parent = nullptr;
}

void CercleMecanique::Entrainer()
{
    if (avecDecalage || moteur)
        return;
    forceMoteur.Annuler();
    if (enfant && enfant->Moteur())
    {
        forceMoteur.x = enfant->forceMoteur.x;
        forceMoteur.y = enfant->forceMoteur.y;
    }
    // le parent l'emporte sur l'enfant
    if (parent && parent->Moteur())
    {
        forceMoteur.x = parent->forceMoteur.x;
        forceMoteur.y = parent->forceMoteur.y;
    }
    forceMoteur.VersPolaire();
}

void CercleMecanique::Integrer(float dt)
{
    Entrainer();
    CercleScenique::Integrer(dt);
}

void CercleMecanique::ValiderDeplacement()
{
    if (!avecDecalage || !parent)
    {
        CercleScenique::ValiderDeplacement();
        return;
    }
    // attaché : sa place est celle de l'ancre, que le parent ait déjà bougé ou non
    positionPrecedente = position;
    CercleScenique::SuivreAncre();
    positionSuivante = position;
}

void CercleMecanique::UtiliserDecalage(bool attache)
{
    if (attache)
    {
        if (parent)
        {
            FixerAncre(&parent->position);
            avecDecalage = true;
        }
    }
    else
    {
        SuivreAncre();
        FixerAncre(&position);
        avecDecalage = false;
    }
    if (enfant)
        enfant->UtiliserDecalage(attache);
}

void CercleMecanique::SuivreAncre()
{
    CercleScenique::SuivreAncre();
    if (enfant)
        enfant->SuivreAncre();
}

void CercleMecanique::Animer()
{
    if (parent && versLaDroite != parent->VersLaDroite())
    {
        versLaDroite = parent->VersLaDroite();
        // la chaîne libre se recale une fois, décalages retournés
        if (!avecDecalage)
        {
            UtiliserDecalage(true);
            UtiliserDecalage(false);
        }
    }
    CercleScenique::Animer();
}

void CercleMecanique::ToucherHeros(Heros* heros)
{
    if (heros)
        heros->Blesser(0);
}

void CercleMecanique::ContactSolide()
{
}
