#pragma once

#include "physics/CerclePhysique.h"
#include "physics/PolygonePhysique.h"
#include "physics/Segment.h"

#include <vector>

// Petit moteur d'essai : intègre, teste, résout et valide comme le fait la frame du jeu.
struct Monde
{
    CerclePhysique cercle;
    std::vector<PolygonePhysique*> polygones;

    explicit Monde(sf::Vector2f depart) : cercle(depart) { cercle.masse = 100.f; }
    ~Monde()
    {
        for (PolygonePhysique* p : polygones)
            delete p;
    }

    PolygonePhysique* Ajouter(std::vector<Segment*> segments)
    {
        PolygonePhysique* p = new PolygonePhysique();
        for (Segment* s : segments)
            p->AjouterSegment(s);
        polygones.push_back(p);
        return p;
    }

    // Réaction d'essai : sol et continuité posent le cercle, un côté l'arrête
    void Frame(float dt)
    {
        cercle.Integrer(dt);
        for (PolygonePhysique* p : polygones)
            EntitePhysique::ToucheSegments(&cercle, p);
        if (cercle.collision.autre)
        {
            cercle.ResoudreCollision();
            const int type = cercle.collision.type;
            if (type == CONTACT_SOL || type == CONTACT_SUITE)
                cercle.Atterrir();
            else if (type == CONTACT_COTE || type == CONTACT_EXTREMITE)
                cercle.forceMoteur.norme = 0.f;
        }
        cercle.ValiderDeplacement();
    }
};
