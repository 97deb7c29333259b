#pragma once

#include "engine/Horloge.h"
#include "physics/CerclePhysique.h"
#include "scene/ElementScenique.h"

class Heros;

// Élément en disque : corps circulaire et élément de scène.
class CercleScenique : public CerclePhysique, public ElementScenique
{
public:
    CercleScenique(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                   const std::vector<float>& parametres = std::vector<float>());
    ~CercleScenique() override;

    virtual void Penser() {}
    void Enregistrer() override;
    void ActiverHorsVue() override;
    void Reinitialiser() override;
    virtual void ToucherHeros(Heros* heros);
    virtual void ContactSolide();
    virtual void SuivreAncre();
    void ChangerEtat(int e) override;
    virtual bool EstDangereux(const EntitePhysique* corps);

protected:
    Horloge horloge2;
    int entierCercle;
    bool drapeauCercle;
    Horloge horloge3;
    Horloge horloge4;
};
