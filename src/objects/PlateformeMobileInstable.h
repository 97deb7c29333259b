#pragma once

#include "engine/Horloge.h"
#include "scene/PolygoneScenique.h"

// Bloc qui s'effondre peu après qu'on s'y est posé : secousse, puis chute à travers tout.
class PlateformeMobileInstable : public PolygoneScenique
{
public:
    PlateformeMobileInstable(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                             const std::vector<float>& parametres);

    void ContactHeros(Heros* heros) override;
    void Animer() override;

    Heros* DernierHeros() const { return dernierHeros; }

private:
    Horloge horlogeEffondrement;
    Heros* dernierHeros; // le dernier venu dessus : il ne doit pas rester posé sur le vide
};
