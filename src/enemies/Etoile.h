#pragma once

#include "enemies/Drovik.h"

// Étoile : quand le héros approche, elle monte 1,5 s, s'arrête 0,5 s et éclate en cinq pointes.
class Etoile : public Drovik
{
public:
    static constexpr int ECLAT = 9;
    static constexpr float RAYON_DETECTION = 256.f;

    Etoile(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
           const std::vector<float>& parametres = std::vector<float>());

    void ToucherHeros(Heros* heros) override;
    void ChangerEtat(int e) override;
    void Penser() override;
};
