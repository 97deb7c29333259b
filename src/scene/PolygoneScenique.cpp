#include "scene/PolygoneScenique.h"

#include "engine/MoteurGraphique.h"
#include "game/GameEngine.h"
#include "heroes/Heros.h"
#include "physics/Segment.h"
#include "scene/CercleScenique.h"

PolygoneScenique::PolygoneScenique(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                                   const std::vector<float>& parametres)
    : PolygonePhysique(position), ElementScenique(scene, position, profondeur, parametres)
{
    ancre = &this->position;
}

PolygoneScenique::~PolygoneScenique()
{
    GameEngine::RetirerPolygone(this);
}

void PolygoneScenique::Enregistrer()
{
    MoteurGraphique::Instance()->Ajouter(this);
    GameEngine::AjouterPolygone(this);
}

void PolygoneScenique::ActiverHorsVue()
{
    if (detruireHorsVue)
        aSupprimer = true;
    else
        GameEngine::AjouterPolygone(this);
}

void PolygoneScenique::Reinitialiser()
{
    if (fige)
        return;
    position = positionElement;
    etat = 0;
    ReinitialiserForces();
    sol = nullptr;
    support = &forcePropre;
}

void PolygoneScenique::ContactPolygone(PolygoneScenique* autre)
{
    if (autre && autre->collision.indiceCapteur == -1)
        autre->ContactSolidePolygone();
}

void PolygoneScenique::ContactCercle(CercleScenique* cercle)
{
    if (cercle && cercle->collision.indiceCapteur == -1)
        cercle->ContactSolide();
}

// Contact solide : le héros réagit selon ses propres règles
void PolygoneScenique::ContactHeros(Heros* heros)
{
    if (heros && heros->collision.indiceCapteur == -1)
        heros->ContactSolide();
}

void PolygoneScenique::ContactSolidePolygone()
{
    ReinitialiserForces();
    const Segment* s = collision.autre ? collision.autre->SegmentNumero(collision.indiceSegment) : nullptr;
    if (collision.type == CONTACT_SOL && s && s->Angle() == 0.0)
        Atterrir();
    else if (collision.type == CONTACT_MONTEE)
        Decoller();
}

void PolygoneScenique::SuivreAncre()
{
    if (!avecDecalage || !ancre)
        return;
    position = *ancre + sf::Vector2f(versLaDroite ? decalageSprite.x : -decalageSprite.x, decalageSprite.y);
}
