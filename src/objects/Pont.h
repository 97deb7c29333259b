#pragma once

#include "engine/Metronome.h"
#include "scene/PolygoneScenique.h"

// Pont de planches qui ploie sous le héros, puis se redresse d'un pixel par centième de seconde.
class Pont : public PolygoneScenique
{
public:
    Pont(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
         const std::vector<float>& parametres, int id);

    void ContactHeros(Heros* heros) override;
    void Animer() override;

    int Planches() const { return planches; }
    int Affaissement() const { return affaissement; }
    int Charge() const { return charge; }

private:
    int planches;     // c : 8, 12 ou 16 (0 pour un autre genre)
    int affaissement; // s
    int charge;       // u : distance du héros au bout gauche
    Metronome metronome; // un pas par centième de seconde
};
