#pragma once

#include "engine/EntiteGraphique.h"

#include <SFML/Graphics/RectangleShape.hpp>

#include <vector>

class EtapeGenerique;

// Enchaîne les cartes du démarrage sous un voile noir qui s'ouvre et se ferme.
class Generique : public EntiteGraphique
{
public:
    Generique();
    ~Generique() override;

    void AjouterEtape(EtapeGenerique* e);
    void Animer() override;
    void Dessiner(sf::RenderTarget& canvas) override;

    bool EnCours() const { return enCours; }
    int Etape() const { return etape; }
    int Phase() const { return phase; }
    const sf::RectangleShape& Voile() const { return voile; }
    const std::vector<EtapeGenerique*>& Etapes() const { return etapes; }

private:
    bool enCours;
    sf::RectangleShape voile;
    std::vector<EtapeGenerique*> etapes;
    int etape;
    int phase;
};
