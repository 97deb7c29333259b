#pragma once

#include "enemies/Drovik.h"

// Guêpe : vole à droite jusqu'à 1200 px de son départ, revient, s'arrête à 600 px pour piquer
// vers le bas à gauche, repart jusqu'à son départ et recommence.
class Guepe : public Drovik
{
public:
    static constexpr float VITESSE = 300.f;

    Guepe(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
          const std::vector<float>& parametres = std::vector<float>());

    void ChangerEtat(int e) override;
    void Penser() override;
    void AnimerEtat() override;

protected:
    Animal* CreerAnimal() override;
};
