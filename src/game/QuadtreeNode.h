#pragma once

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <vector>

class Quadtree;
class SceneGraphique;
class ElementScenique;

// Nœud de l'index : quatre enfants possédés (créés d'avance) et ses éléments possédés.
class QuadtreeNode
{
public:
    QuadtreeNode(Quadtree* arbre, SceneGraphique* scene, QuadtreeNode* parent, int quadrant, int profondeur,
                 const sf::Vector2f& centre, const sf::Vector2f& taille);
    virtual ~QuadtreeNode();
    QuadtreeNode(const QuadtreeNode&) = delete;
    QuadtreeNode& operator=(const QuadtreeNode&) = delete;

    // Intervalles fermés
    bool Contient(const sf::FloatRect& r) const;
    // Intervalles ouverts
    static bool Chevauche(const sf::FloatRect& a, const sf::FloatRect& b);

    void Parcourir(const sf::FloatRect& vue);

    QuadtreeNode* Parent() const { return parent; }
    QuadtreeNode* Enfant(int i) const { return enfants[i]; }
    std::vector<ElementScenique*>& Elements() { return elements; }
    int Quadrant() const { return quadrant; }
    int Profondeur() const { return profondeur; }
    const sf::Vector2f& Centre() const { return centre; }
    const sf::Vector2f& Taille() const { return taille; }
    const sf::FloatRect& Bornes() const { return bornes; }

    int NombreNoeuds() const;
    // Nœud qui range cet élément, ou nul
    const QuadtreeNode* Trouver(const ElementScenique* e) const;

    // Profondeur maximale : borne la taille de l'arbre quel que soit le niveau
    static const int PROFONDEUR_MAX = 8;

private:
    Quadtree* arbre;
    SceneGraphique* scene;
    QuadtreeNode* parent;
    QuadtreeNode* enfants[4];
    std::vector<ElementScenique*> elements;
    int quadrant;
    int profondeur;
    sf::Vector2f centre;
    sf::Vector2f taille;
    sf::FloatRect bornes;
};
