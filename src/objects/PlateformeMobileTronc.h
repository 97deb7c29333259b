#pragma once

#include "objects/Balancier.h"
#include "scene/PolygoneScenique.h"

// Tronc qui monte et descend de 128 pixels autour de sa position ; variante courte avec le paramètre 6.
class PlateformeMobileTronc : public PolygoneScenique
{
public:
    PlateformeMobileTronc(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                          const std::vector<float>& parametres);

    void Integrer(float dt) override;

    bool Court() const { return court; }
    const sf::Vector2f& Centre() const { return centre; }
    const Balancier& Balancement() const { return balancier; }

    static constexpr float PAS_ANGULAIRE = 0.0003926991f;

private:
    sf::Vector2f centre;
    Balancier balancier;
    bool court;
};
