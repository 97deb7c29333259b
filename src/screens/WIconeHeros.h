#pragma once

#include "screens/Widget.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>

// Icône animée d'un héros dans le choix du personnage.
class WIconeHeros : public Widget
{
public:
    explicit WIconeHeros(int heros);

    void Animer() override;
    void Dessiner(sf::RenderTarget& canvas) override;
    void Composer() override;
    void Choisir() override;
    void Confirmer() override;

    int Heros() const { return heros; }
    int ImageCourante() const { return imageCourante; }
    const sf::Sprite& Image() const { return sprite; }
    const sf::Text& Nom() const { return nom; }

private:
    sf::Sprite sprite;
    int imageCourante;
    int heros;
    sf::Text nom;
};
