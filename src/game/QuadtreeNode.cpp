#include "game/QuadtreeNode.h"

#include "game/Quadtree.h"
#include "game/SceneGraphique.h"
#include "scene/ElementScenique.h"

#include <algorithm>
#include <cmath>

QuadtreeNode::QuadtreeNode(Quadtree* arbre_, SceneGraphique* scene_, QuadtreeNode* parent_, int quadrant_,
                           int profondeur_, const sf::Vector2f& centre_, const sf::Vector2f& taille_)
    : arbre(arbre_), scene(scene_), parent(parent_), enfants{nullptr, nullptr, nullptr, nullptr},
      quadrant(quadrant_), profondeur(profondeur_), centre(centre_), taille(taille_),
      bornes(centre_ - taille_ / 2.f, taille_)
{
    if (profondeur == 0)
        bornes = sf::FloatRect(0.f, 0.f, taille.x, taille.y);
    if (taille.x <= 128.f || profondeur >= PROFONDEUR_MAX || !scene)
        return;
    // Taille des enfants : celle de la scène divisée par 2^profondeur
    const float diviseur = std::ldexp(1.f, profondeur + 1);
    const sf::Vector2f t(float(scene->Largeur()) / diviseur, float(scene->Hauteur()) / diviseur);
    const sf::Vector2f decalages[4] = {sf::Vector2f(-t.x / 2, -t.y / 2), sf::Vector2f(t.x / 2, -t.y / 2),
                                       sf::Vector2f(t.x / 2, t.y / 2), sf::Vector2f(-t.x / 2, t.y / 2)};
    for (int i = 0; i < 4; ++i)
        enfants[i] = new QuadtreeNode(arbre, scene, this, i + 1, profondeur + 1, centre + decalages[i], t);
}

QuadtreeNode::~QuadtreeNode()
{
    for (ElementScenique* e : elements)
        delete e;
    elements.clear();
    for (QuadtreeNode*& enfant : enfants)
    {
        delete enfant;
        enfant = nullptr;
    }
}

bool QuadtreeNode::Contient(const sf::FloatRect& r) const
{
    const float droite = bornes.left + bornes.width, bas = bornes.top + bornes.height;
    return r.left >= bornes.left && r.left <= droite && r.left + r.width >= bornes.left &&
           r.left + r.width <= droite && r.top >= bornes.top && r.top <= bas && r.top + r.height >= bornes.top &&
           r.top + r.height <= bas;
}

bool QuadtreeNode::Chevauche(const sf::FloatRect& a, const sf::FloatRect& b)
{
    return std::max(a.left, b.left) < std::min(a.left + a.width, b.left + b.width) &&
           std::max(a.top, b.top) < std::min(a.top + a.height, b.top + b.height);
}

void QuadtreeNode::Parcourir(const sf::FloatRect& vue)
{
    if (!Chevauche(bornes, vue))
        return;
    std::size_t i = 0;
    while (i < elements.size())
    {
        ElementScenique* e = elements[i];
        if (e->aSupprimer)
        {
            elements.erase(elements.begin() + i);
            delete e;
            continue;
        }
        const sf::FloatRect r = e->Encadrement();
        if (Contient(r))
        {
            if (Chevauche(r, vue))
                e->Enregistrer();
            else
                e->ActiverHorsVue();
            ++i;
            continue;
        }
        // Sorti de son nœud : on le range à nouveau depuis la racine
        elements.erase(elements.begin() + i);
        if (arbre && arbre->Inserer(e))
            e->Enregistrer();
    }
    for (QuadtreeNode* enfant : enfants)
        if (enfant)
            enfant->Parcourir(vue);
}

int QuadtreeNode::NombreNoeuds() const
{
    int n = 1;
    for (const QuadtreeNode* enfant : enfants)
        if (enfant)
            n += enfant->NombreNoeuds();
    return n;
}

const QuadtreeNode* QuadtreeNode::Trouver(const ElementScenique* e) const
{
    if (std::find(elements.begin(), elements.end(), e) != elements.end())
        return this;
    for (const QuadtreeNode* enfant : enfants)
        if (enfant)
            if (const QuadtreeNode* n = enfant->Trouver(e))
                return n;
    return nullptr;
}
