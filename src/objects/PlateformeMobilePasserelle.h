#pragma once

#include "objects/Balancier.h"
#include "scene/PolygoneScenique.h"

// Plate-forme pendue à une chaîne de huit maillons, qui se balance en demi-cercle sous son pivot.
class PlateformeMobilePasserelle : public PolygoneScenique
{
public:
    PlateformeMobilePasserelle(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                               const std::vector<float>& parametres);

    void Integrer(float dt) override;
    void Dessiner(sf::RenderTarget& canvas) override;

    const sf::Vector2f& Pivot() const { return pivot; }
    const Balancier& Balancement() const { return balancier; }

    static constexpr float PAS_ANGULAIRE = 0.0008726646f;

private:
    sf::Vector2f pivot;
    Balancier balancier;
};
