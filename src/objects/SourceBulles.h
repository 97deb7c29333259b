#pragma once

#include "scene/ElementScenique.h"

// Source posée au fond de l'eau : lâche une bulle chaque seconde, pleine une fois sur douze environ.
class SourceBulles : public ElementScenique
{
public:
    SourceBulles(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                 const std::vector<float>& parametres = std::vector<float>());

    void AnimerEtat() override;

    // Bulles lâchées depuis la création
    int BullesLachees() const { return lachees; }

private:
    int lachees;
};
