#pragma once

#include "engine/EntiteGraphique.h"

#include <SFML/Graphics/Sprite.hpp>

#include <string>

// Image de fond plein écran.
class ArrierePlan : public EntiteGraphique
{
public:
    ArrierePlan();
    void DefinirImage(const std::string& chemin);
    const sf::Sprite& Image() const { return image; }

    void Animer() override;
    void Dessiner(sf::RenderTarget& canvas) override;

private:
    sf::Sprite image;
};
