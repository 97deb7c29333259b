#pragma once

#include "enemies/Drovik.h"

// Coccinelle : roule droit devant elle, fait demi-tour aux murs ; ne bouge que dans la vue.
class Coccinelle : public Drovik
{
public:
    Coccinelle(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
               const std::vector<float>& parametres = std::vector<float>());

    void Enregistrer() override;
    void ActiverHorsVue() override;
    void AnimerEtat() override;

protected:
    Animal* CreerAnimal() override;
};
