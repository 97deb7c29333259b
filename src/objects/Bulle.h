#pragma once

#include "scene/CercleScenique.h"

// Bulle d'air qui monte dans l'eau ; pleine, elle fait respirer le héros.
class Bulle : public CercleScenique
{
public:
    Bulle(SceneGraphique* scene, const sf::Vector2f& position, int taille);

    void ToucherHeros(Heros* heros) override;
    void ContactSolide() override;
    void AnimerEtat() override;
    int ImageCible() const { return imageCible; }

private:
    int imageCible;
    float yDepart;
    // ligne d'éclatement des petites bulles, celle de l'eau où elle est née
    bool dansLEau;
    float ligne;
};
