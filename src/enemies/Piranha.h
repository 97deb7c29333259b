#pragma once

#include "enemies/Drovik.h"

// Piranha : nage à l'horizontale et fait demi-tour toutes les 8 s ou contre le fond.
class Piranha : public Drovik
{
public:
    Piranha(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
            const std::vector<float>& parametres = std::vector<float>());

    void Enregistrer() override;
    void ActiverHorsVue() override;
    void Penser() override;
    void ContactSolide() override;
    void AnimerEtat() override;

protected:
    Animal* CreerAnimal() override;
};
