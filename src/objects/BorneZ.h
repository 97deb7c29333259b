#pragma once

#include "scene/PolygoneScenique.h"

// Borne de couche : franchie dans son sens, elle fait passer le héros sur l'autre couche de collision.
class BorneZ : public PolygoneScenique
{
public:
    BorneZ(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
           const std::vector<float>& parametres, int id);

    void ContactHeros(Heros* heros) override;
    int Id() const { return id; }
    // Masque et profondeur donnés au héros par ce genre de borne
    int MasqueHeros() const;
    float ProfondeurHeros() const;

private:
    int id;
};
