#pragma once

#include "scene/PolygoneScenique.h"

// Portail : le héros posé sur son plot part, dans une colonne de lumière, vers un autre niveau.
class Portail : public PolygoneScenique
{
public:
    Portail(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
            const std::vector<float>& parametres = std::vector<float>());

    void ContactHeros(Heros* heros) override;
    void AnimerEtat() override;

    int Destination() const { return destination; }
    static const int INDICE_PLOT = 6;

private:
    int destination;
    bool parti;
};
