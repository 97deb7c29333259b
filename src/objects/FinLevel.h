#pragma once

#include "scene/PolygoneScenique.h"

// Panneau de fin d'acte : la ligne d'approche fige la vue, la ligne d'arrivée termine l'acte.
class FinLevel : public PolygoneScenique
{
public:
    FinLevel(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
             const std::vector<float>& parametres = std::vector<float>());

    void ContactHeros(Heros* heros) override;
    void AnimerEtat() override;
};
