#pragma once

#include "engine/EntiteGraphique.h"
#include "engine/Horloge.h"
#include "engine/Metronome.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>

#include <string>

// Carton de titre du niveau : rideau, bandeau, nom de zone et numéro d'acte qui glissent.
class RideauLevel : public EntiteGraphique
{
public:
    RideauLevel();
    ~RideauLevel() override;

    void Preparer(const std::string& zone, int acte);
    void Demarrer();
    void Terminer();
    int EtatRideau() const { return etatRideau; }

    void Animer() override;
    void Dessiner(sf::RenderTarget& canvas) override;

    const sf::Sprite& Rideau() const { return rideau; }
    const sf::Sprite& Bandeau() const { return bandeau; }
    const sf::Text& TexteZone() const { return texteZone; }
    const sf::Text& TexteActe() const { return texteActe; }

private:
    void Passer(int etat);
    void PasDepart(int etat);
    float BordBandeau() const;
    bool TextesPartis() const;

    sf::Sprite rideau;
    sf::Sprite bandeau;
    sf::Text texteZone;
    sf::Text texteActe;
    int etatRideau;
    int pas;
    Horloge horlogePas;
    Metronome metronome;
};
