#pragma once

#include "scene/PolygoneScenique.h"

// Bassin de lave de p0 × p1 cases : sa surface porte comme un sol mais brûle qui n'y résiste pas.
class BassinLave : public PolygoneScenique
{
public:
    BassinLave(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
               const std::vector<float>& parametres);

    void ContactHeros(Heros* heros) override;

    int Largeur() const { return largeur; }
    int Hauteur() const { return hauteur; }

private:
    int largeur, hauteur;
};
