#pragma once

#include "physics/PolygonePhysique.h"
#include "scene/ElementScenique.h"

class CercleScenique;
class Heros;

// Élément fait de segments : plates-formes, murs, ressorts, moniteurs.
class PolygoneScenique : public PolygonePhysique, public ElementScenique
{
public:
    PolygoneScenique(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                     const std::vector<float>& parametres = std::vector<float>());
    ~PolygoneScenique() override;

    void Enregistrer() override;
    void ActiverHorsVue() override;
    void Reinitialiser() override;
    virtual void ContactPolygone(PolygoneScenique* autre);
    virtual void ContactCercle(CercleScenique* cercle);
    virtual void ContactHeros(Heros* heros);
    virtual void ContactSolidePolygone();
    virtual void SuivreAncre();
};
