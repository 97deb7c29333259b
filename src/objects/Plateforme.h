#pragma once

#include "scene/PolygoneScenique.h"

// Tuile de décor fixe : contour de segments et une case de planche, d'après son genre.
class Plateforme : public PolygoneScenique
{
public:
    Plateforme(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
               const std::vector<float>& parametres, int id);
    ~Plateforme() override;

    int Genre() const { return genre; }

    static const int GENRE_SOL = 1128020001;

private:
    int genre;
};
