#include "scene/Zone.h"

#include "game/Camera.h"
#include "game/SceneGraphique.h"
#include "scene/Sprite.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <cmath>

Zone::Zone(SceneGraphique* scene_)
    : ElementScenique(scene_, sf::Vector2f(0.f, 0.f), -1.f), facteur(1.08f), largeurPlan(0),
      reference(320.f, 240.f)
{
    // pas d'ancre : la préparation ne déplace jamais les plans
    ancre = nullptr;
    if (scene)
        cadre = sf::FloatRect(0.f, 0.f, float(scene->Largeur()), float(scene->Hauteur()));
    rectangleEau.setSize(sf::Vector2f(0.f, 0.f));
    // taille fixe : les sprites gardent l'adresse de leur vue
    vues.assign(NOMBRE_VUES, sf::View(sf::FloatRect(0.f, 0.f, 640.f, 480.f)));
}

Zone::~Zone()
{
}

void Zone::ActualiserVues()
{
    const sf::Vector2f c = CentreCamera();
    float diviseur = 1.f;
    for (sf::View& v : vues)
    {
        // arrondi au plus proche, moitiés loin de zéro
        v.setCenter(std::round((c.x - reference.x) / diviseur + reference.x),
                    std::round((c.y - reference.y) / diviseur + reference.y));
        diviseur *= facteur;
    }
}

Sprite* Zone::AjouterPlan(Sprite* s, int vue)
{
    if (vue >= 0 && vue < int(vues.size()))
        s->FixerDonnee(&vues[vue]);
    AjouterSprite(s);
    return s;
}

int Zone::IndiceVue(const Sprite* s) const
{
    for (std::size_t k = 0; k < vues.size(); ++k)
        if (s->Donnee() == &vues[k])
            return int(k);
    return -1;
}

sf::Vector2f Zone::CentreCamera() const
{
    if (scene && scene->CameraScene())
        return scene->CameraScene()->Vue().getCenter();
    // sans caméra : la vue d'origine de la fenêtre
    return sf::Vector2f(320.f, 240.f);
}

void Zone::RetablirVue(sf::RenderTarget& cible) const
{
    if (scene && scene->CameraScene())
        cible.setView(scene->CameraScene()->Vue());
    else
        cible.setView(cible.getDefaultView());
}

void Zone::DessinerCiel(sf::RenderTarget& cible, Sprite* ciel) const
{
    cible.setView(cible.getDefaultView());
    if (!ciel)
    {
        cible.clear(sf::Color::Black);
        return;
    }
    const sf::FloatRect b = ciel->SpriteSFML().getGlobalBounds();
    const sf::Vector2f t = cible.getDefaultView().getSize();
    if (b.left <= 0.f && b.top <= 0.f && b.left + b.width >= t.x && b.top + b.height >= t.y &&
        ciel->SpriteSFML().getColor() == sf::Color::White)
        cible.draw(ciel->SpriteSFML(), sf::RenderStates(sf::BlendNone));
    else
    {
        cible.clear(sf::Color::Black);
        ciel->Dessiner(cible);
    }
}

void Zone::DessinerPlans(sf::RenderTarget& cible, bool triple)
{
    for (int k = int(vues.size()) - 1; k >= 0; --k)
    {
        for (int i = int(sprites.size()) - 1; i >= 0; --i)
        {
            Sprite* s = sprites[i];
            if (s->Donnee() != &vues[k])
                continue;
            cible.setView(vues[k]);
            if (triple)
            {
                // à gauche, au milieu, à droite, puis retour à la place d'origine
                s->Deplacer(-s->SpriteSFML().getGlobalBounds().width, 0.f);
                s->Dessiner(cible);
                s->Deplacer(s->SpriteSFML().getGlobalBounds().width, 0.f);
                s->Dessiner(cible);
                s->Deplacer(s->SpriteSFML().getGlobalBounds().width, 0.f);
                s->Dessiner(cible);
                s->Deplacer(-s->SpriteSFML().getGlobalBounds().width, 0.f);
            }
            else
                s->Dessiner(cible);
            ApresPlan(cible, s);
        }
    }
    RetablirVue(cible);
}
