#pragma once

#include "screens/Widget.h"

#include <SFML/Graphics/Text.hpp>

#include <string>

// Ligne du choix du niveau : « zone : Act n ».
class WGoLevel : public Widget
{
public:
    WGoLevel(int niveau, const std::string& libelle);

    void Animer() override;
    void Dessiner(sf::RenderTarget& canvas) override;
    void Composer() override;
    void Choisir() override;
    void Confirmer() override;

    int Niveau() const { return niveau; }
    const sf::Text& Contenu() const { return texte; }

private:
    sf::Text texte;
    int niveau;
};
