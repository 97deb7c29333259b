#include "game/Quadtree.h"

#include "game/SceneGraphique.h"
#include "scene/ElementScenique.h"

namespace
{
sf::Vector2f TailleScene(const SceneGraphique* s)
{
    return s ? sf::Vector2f(float(s->Largeur()), float(s->Hauteur())) : sf::Vector2f(0.f, 0.f);
}

sf::Vector2f CentreScene(const SceneGraphique* s)
{
    return s ? sf::Vector2f(float(s->Largeur() / 2), float(s->Hauteur() / 2)) : sf::Vector2f(0.f, 0.f);
}
}

Quadtree::Quadtree(SceneGraphique* scene_)
    : scene(scene_), racine(this, scene_, nullptr, 1, 0, CentreScene(scene_), TailleScene(scene_))
{
}

Quadtree::~Quadtree()
{
}

bool Quadtree::Inserer(ElementScenique* element)
{
    if (!element)
        return false;
    element->Synchroniser();
    const sf::FloatRect r = element->Encadrement();
    if (!racine.Contient(r))
    {
        delete element;
        return false;
    }
    QuadtreeNode* noeud = &racine;
    for (;;)
    {
        QuadtreeNode* suivant = nullptr;
        for (int i = 0; i < 4 && !suivant; ++i)
            if (noeud->Enfant(i) && noeud->Enfant(i)->Contient(r))
                suivant = noeud->Enfant(i);
        if (!suivant)
            break;
        noeud = suivant;
    }
    noeud->Elements().push_back(element);
    return true;
}

void Quadtree::Parcourir(const sf::FloatRect& vue)
{
    racine.Parcourir(vue);
}
