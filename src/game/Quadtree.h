#pragma once

#include "game/QuadtreeNode.h"

class SceneGraphique;
class ElementScenique;

// Index spatial du niveau : possède tous les éléments et décide chaque frame lesquels vivent.
class Quadtree
{
public:
    explicit Quadtree(SceneGraphique* scene);
    virtual ~Quadtree();
    Quadtree(const Quadtree&) = delete;
    Quadtree& operator=(const Quadtree&) = delete;

    // Range l'élément ; s'il est hors du niveau, il est détruit et le résultat est faux
    bool Inserer(ElementScenique* element);
    void Parcourir(const sf::FloatRect& vue);

    QuadtreeNode& Racine() { return racine; }
    const QuadtreeNode& Racine() const { return racine; }

private:
    SceneGraphique* scene;
    QuadtreeNode racine;
};
