#pragma once

#include "screens/Widget.h"

#include <SFML/Graphics/Text.hpp>

// Entrée du menu titre, qui mène à l'écran cible.
class WRubrique : public Widget
{
public:
    explicit WRubrique(int cible);

    void Animer() override;
    void Dessiner(sf::RenderTarget& canvas) override;
    void Composer() override;
    void Choisir() override;
    void Confirmer() override;

    int Cible() const { return cible; }
    const sf::Text& Contenu() const { return texte; }

private:
    sf::Text texte;
    int cible;
};
