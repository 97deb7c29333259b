#pragma once

#include "enemies/Drovik.h"

// Caméléon : apparaît peu à peu, tire un dard, s'efface ; on ne le touche que lorsqu'il est opaque.
class Cameleon : public Drovik
{
public:
    Cameleon(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
             const std::vector<float>& parametres = std::vector<float>());

    void ToucherHeros(Heros* heros) override;
    void ChangerEtat(int e) override;
    void Penser() override;
    void AnimerEtat() override;

    int Opacite() const { return opacite; }
    // Opaque, il peut être détruit et blesser
    bool Visible() const { return etat >= 2 && etat <= 5; }

protected:
    Animal* CreerAnimal() override;

private:
    void Colorer();
    int opacite;
};
