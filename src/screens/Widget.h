#pragma once

#include "engine/EntiteGraphique.h"
#include "engine/EntiteInteractive.h"
#include "engine/Horloge.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/System/Vector2.hpp>

// Élément de menu : surligné par la souris ou le menu, activé au relâchement.
class Widget : public EntiteGraphique, public EntiteInteractive
{
public:
    Widget();
    ~Widget() override = default;

    void Animer() override = 0;
    void Dessiner(sf::RenderTarget& canvas) override = 0;
    virtual void Composer() = 0;
    virtual void Choisir() = 0;
    virtual void Confirmer() = 0;
    void MettreAJour(sf::RenderWindow& fenetre) override;
    void TraiterEvenement(const sf::Event& evenement) override;

    // Survol : position de la souris relative à la fenêtre
    void Survoler(const sf::Vector2i& souris);

    void DefinirValide(bool b);
    void DefinirSelection(bool b);
    bool Valide() const { return valide; }
    bool Selectionne() const { return selectionne; }
    float TempsDepuisValidation() const { return horlogeValidation.getElapsedTime().asSeconds(); }
    float TempsDepuisSelection() const { return horlogeSelection.getElapsedTime().asSeconds(); }
    const sf::RectangleShape& Cadre() const { return cadre; }

protected:
    sf::RectangleShape cadre;
    bool valide;
    bool selectionne;
    Horloge horlogeValidation;
    Horloge horlogeSelection;
};
