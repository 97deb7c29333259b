#pragma once

#include "scene/CercleScenique.h"

class BossFinal;

// Viseur du robot final : suit le héros, le rattrape, se verrouille puis clignote.
class Viseur : public CercleScenique
{
public:
    enum Etats { POURSUITE = 67, VERROU = 68, PRET = 69, REPOS = 70 };

    Viseur(SceneGraphique* scene, const sf::Vector2f& position);
    ~Viseur() override;

    void ToucherHeros(Heros* heros) override;
    void AnimerEtat() override;
    void Dessiner(sf::RenderTarget& canvas) override;

    BossFinal* corps;
};
