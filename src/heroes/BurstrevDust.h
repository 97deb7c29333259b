#pragma once

#include "scene/ElementScenique.h"

// Poussière aux pieds du héros pendant la charge.
class BurstrevDust : public ElementScenique
{
public:
    BurstrevDust(SceneGraphique* scene, sf::Vector2f* ancre, bool versLaDroite);
    ~BurstrevDust() override;
    void AnimerEtat() override;
    void FixerLien(BurstrevDust** l) { lien = l; }
    // Le héros s'en sépare : plus d'ancre ni de lien vers lui
    void Detacher();

private:
    BurstrevDust** lien;
};
