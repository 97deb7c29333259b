#pragma once

#include "scene/PolygoneScenique.h"

// Ressort : sa plaque lance le héros dans la direction de son genre.
class Ressort : public PolygoneScenique
{
public:
    Ressort(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
            const std::vector<float>& parametres, int id);

    void ContactHeros(Heros* heros) override;
    void AnimerEtat() override;

    int Genre() const { return id; }
    double AngleLancement() const { return angleLancement; }
    float VitesseLancement() const { return vitesseLancement; }
    // Indice de la plaque dans la liste des segments (-1 : genre inconnu)
    int IndicePlaque() const { return indicePlaque; }

private:
    int id;
    double angleLancement;
    float vitesseLancement;
    int indicePlaque;
};
