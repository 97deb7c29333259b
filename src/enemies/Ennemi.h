#pragma once

#include "heroes/Personnage.h"

// Base des ennemis : inscrits au moteur d'IA tant qu'ils existent.
class Ennemi : public Personnage
{
public:
    Ennemi(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
           const std::vector<float>& parametres = std::vector<float>());
    ~Ennemi() override;

    void Penser() override = 0;
};
