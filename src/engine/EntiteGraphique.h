#pragma once

#include "engine/Horloge.h"

namespace sf { class RenderTarget; }

// Base de tout ce qui se dessine ; s'inscrit au moteur graphique.
class EntiteGraphique
{
public:
    EntiteGraphique();
    virtual ~EntiteGraphique();

    virtual void Synchroniser() {}
    virtual void Animer() {}
    virtual void Dessiner(sf::RenderTarget& canvas) = 0;

    float profondeur;

protected:
    Horloge horloge;
};
