#pragma once

#include "enemies/Drovik.h"

// Crabe : marche 3 s, s'arrête 1 s, lance deux bombes en cloche, attend 1 s, repart.
class Crabe : public Drovik
{
public:
    static constexpr float VITESSE = 40.f;

    Crabe(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
          const std::vector<float>& parametres = std::vector<float>());

    void Enregistrer() override;
    void ActiverHorsVue() override;
    void ChangerEtat(int e) override;
    void Penser() override;
    void AnimerEtat() override;

protected:
    Animal* CreerAnimal() override;
};
