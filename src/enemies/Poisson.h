#pragma once

#include "enemies/Drovik.h"

// Poisson : remonte dans l'eau, bondit hors de la surface, retombe et recommence.
// C'est l'eau qui lui rend son échelle de temps normale quand il en sort.
class Poisson : public Drovik
{
public:
    static constexpr int NAGE = 0;
    static constexpr int BOND = 9;

    Poisson(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
            const std::vector<float>& parametres = std::vector<float>());

    void ChangerEtat(int e) override;
    void Penser() override;
    void AnimerEtat() override;

protected:
    Animal* CreerAnimal() override;
};
