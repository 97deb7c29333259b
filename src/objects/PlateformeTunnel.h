#pragma once

#include "scene/PolygoneScenique.h"

// Bloc cassable d'un tunnel, en deux moitiés : un héros lourd, ou roulant vite, brise celle qu'il heurte.
class PlateformeTunnel : public PolygoneScenique
{
public:
    PlateformeTunnel(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                     const std::vector<float>& parametres, int id);

    void ContactHeros(Heros* heros) override;

    bool GaucheCassee() const { return gaucheCassee; }
    bool DroiteCassee() const { return droiteCassee; }

    static constexpr int DRAPEAUX_FACE = 0x100 | 125;
    static constexpr int CADRE_CASSE = 1056;

private:
    bool Cassable(const Heros* heros) const;
    void Casser(bool droite);

    // faces des deux moitiés : 0 et 1 à gauche, 2 et 3 à droite
    Segment* faces[4];
    bool gaucheCassee, droiteCassee;
};
