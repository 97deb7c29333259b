#pragma once

#include "scene/PolygoneScenique.h"

// Chute d'eau : p0 colonnes et p1 rangées de cases 128 × 256 qui montrent la même image.
class Cascade : public PolygoneScenique
{
public:
    // Borne du nombre de cases par côté (un fichier hostile ne fait pas boucler le dessin)
    static constexpr int CASES_MAX = 64;

    Cascade(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
            const std::vector<float>& parametres);

    void Animer() override;
    void Dessiner(sf::RenderTarget& cible) override;

    int Colonnes() const { return colonnes; }
    int Rangees() const { return rangees; }

private:
    int colonnes, rangees;
};
