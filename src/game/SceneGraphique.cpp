#include "game/SceneGraphique.h"

#include "game/Camera.h"
#include "game/Quadtree.h"
#include "scene/ElementScenique.h"

SceneGraphique::SceneGraphique()
    : largeur(16384), hauteur(16384), camera(nullptr), index(nullptr), limiteGauche(0), limiteDroite(16384),
      limiteBas(16384), niveauEau(8192), pointDepart(128.f, 16384.f), etatScene(SCENE_SUIVANTE)
{
}

SceneGraphique::~SceneGraphique()
{
    Vider();
    if (camera && camera->Scene() == this)
        camera->Lier(nullptr);
}

void SceneGraphique::AjouterElement(ElementScenique* element)
{
    if (!element)
        return;
    if (!index)
        index = new Quadtree(this);
    index->Inserer(element);
}

void SceneGraphique::Vider()
{
    delete index;
    index = nullptr;
}

void SceneGraphique::ActiverElementsVisibles()
{
    if (!index || !camera)
        return;
    const sf::Vector2f c = camera->Vue().getCenter();
    index->Parcourir(sf::FloatRect(c.x - 320.f, c.y - 240.f, 640.f, 480.f));
}

void SceneGraphique::FixerTaille(int l, int h)
{
    largeur = l;
    hauteur = h;
}

void SceneGraphique::FixerMarge(int m)
{
    limiteGauche = m;
    limiteDroite = largeur - m;
    limiteBas = hauteur - m;
}
