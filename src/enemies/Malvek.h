#pragma once

#include "enemies/Ennemi.h"

class BossFinal;

// Le pilote du robot final, montré quand la tête s'ouvre.
class Malvek : public Ennemi
{
public:
    static constexpr int ETAT_SALUT = 40;

    Malvek(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
           const std::vector<float>& parametres = std::vector<float>());
    ~Malvek() override;

    void AnimerEtat() override;
    void ChangerEtat(int e) override;
    void Reception() override;
    void Penser() override {}
    void ToucherHeros(Heros*) override {}
    void ContactSolide() override {}

    BossFinal* corps;
};
