#include "scene/ElementScenique.h"

#include "engine/MoteurGraphique.h"
#include "scene/Sprite.h"

#include <cstdlib>

ElementScenique::ElementScenique(SceneGraphique* scene_, const sf::Vector2f& position, float profondeur_,
                                 const std::vector<float>&)
    : scene(scene_), entier(0), detruireHorsVue(false), positionElement(position), ancre(&positionElement),
      avecDecalage(false), etat(0), aSupprimer(false), marque(0), versLaDroite(true)
{
    // rand() ramené à 0..32767 : la fraction reste dans [0, 1] quel que soit RAND_MAX
    profondeur = profondeur_ + float(std::rand() % 32768) / 32767.f;
}

ElementScenique::~ElementScenique()
{
    for (Sprite* s : sprites)
        delete s;
    sprites.clear();
    ancre = nullptr;
}

void ElementScenique::AjouterSprite(Sprite* s)
{
    if (s)
        sprites.push_back(s);
}

void ElementScenique::Synchroniser()
{
    if (!ancre || sprites.empty())
        return;
    sf::Vector2f p = *ancre;
    if (avecDecalage)
        p += sf::Vector2f(versLaDroite ? decalageSprite.x : -decalageSprite.x, decalageSprite.y);
    for (Sprite* s : sprites)
        s->FixerPosition(p);
}

void ElementScenique::Animer()
{
    Orienter();
    AnimerEtat();
    ActualiserSpecifique();
}

void ElementScenique::Dessiner(sf::RenderTarget& canvas)
{
    for (Sprite* s : sprites)
        s->Dessiner(canvas);
}

void ElementScenique::Enregistrer()
{
    MoteurGraphique::Instance()->Ajouter(this);
}

void ElementScenique::ActiverHorsVue()
{
    if (detruireHorsVue)
        aSupprimer = true;
}

void ElementScenique::Reinitialiser()
{
    horlogeElement.restart();
}

bool ElementScenique::Blesser(int)
{
    if (!sprites.empty() && sprites[0]->EnClignotement())
        return false;
    aSupprimer = true;
    return true;
}

void ElementScenique::UtiliserDecalage(bool decalage)
{
    avecDecalage = decalage;
}

void ElementScenique::Orienter()
{
    if (!sprites.empty())
        sprites[0]->Miroir(!versLaDroite);
}

void ElementScenique::FixerPosition(const sf::Vector2f& p)
{
    positionElement = p;
}

void ElementScenique::FixerAncre(sf::Vector2f* a)
{
    ancre = a;
}

void ElementScenique::ChangerEtat(int e)
{
    etat = e;
    horloge.restart();
    if (!sprites.empty())
        sprites[0]->Redemarrer();
}

sf::FloatRect ElementScenique::Encadrement() const
{
    if (cadre.width != 0.f)
        return cadre;
    if (ancre && !sprites.empty())
        return sprites[0]->SpriteSFML().getGlobalBounds();
    // Ni cadre ni sprite : un point, à l'ancre ou à la position de l'élément
    const sf::Vector2f p = ancre ? *ancre : positionElement;
    return sf::FloatRect(p.x, p.y, 0.f, 0.f);
}
