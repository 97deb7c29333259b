#pragma once

#include "scene/CercleScenique.h"

// Scie circulaire : blesse le héros à tout contact.
class ScieCirculaire : public CercleScenique
{
public:
    ScieCirculaire(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                   const std::vector<float>& parametres = std::vector<float>());

    void ToucherHeros(Heros* heros) override;
    void AnimerEtat() override;
};
