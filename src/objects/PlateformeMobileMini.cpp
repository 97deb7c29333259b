#include "objects/PlateformeMobileMini.h"

#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <cmath>

namespace
{
const double PI = 3.14159265358979323846;

float Parametre(const std::vector<float>& p, std::size_t i)
{
    return i < p.size() ? p[i] : 0.f;
}

sf::Vector2f Depart(const sf::Vector2f& c, const std::vector<float>& p)
{
    if (Parametre(p, 0) > 0.f)
        return c - sf::Vector2f(Parametre(p, 0) * 128.f, 0.f);
    if (Parametre(p, 1) > 0.f)
        return c - sf::Vector2f(0.f, Parametre(p, 1) * 128.f);
    return c;
}
}

PlateformeMobileMini::PlateformeMobileMini(SceneGraphique* scene, const sf::Vector2f& p, float profondeur,
                                           const std::vector<float>& parametres)
    : PolygoneScenique(scene, Depart(p, parametres), profondeur, parametres), centre(p), horizontal(false),
      vertical(false), tombante(false), pasInclinaison(-5.f)
{
    masque = 0x100;
    const float largeur = scene ? float(scene->Largeur()) : 0.f, hauteur = scene ? float(scene->Hauteur()) : 0.f;
    if (Parametre(parametres, 0) > 0.f)
    {
        horizontal = true;
        rayon = Parametre(parametres, 0) * 128.f;
        cadre = sf::FloatRect(0.f, 0.f, largeur, hauteur);
    }
    else if (Parametre(parametres, 1) > 0.f)
    {
        vertical = true;
        rayon = Parametre(parametres, 1) * 128.f;
        cadre = sf::FloatRect(0.f, 0.f, largeur, hauteur);
    }
    else if (Parametre(parametres, 2) > 0.f)
    {
        tombante = true;
        masse = 100.f;
    }
    if (horizontal || vertical)
        balancier.alpha = float(PI / (64.0 * rayon));

    const sf::Vector2f o = position;
    AjouterSegment(new Segment(o + sf::Vector2f(-48.f, 0.f), o + sf::Vector2f(48.f, 0.f), 41));
    AjouterSegment(new Segment(o + sf::Vector2f(-48.f, 32.f), o + sf::Vector2f(-48.f, 0.f), 4));
    AjouterSegment(new Segment(o + sf::Vector2f(48.f, 0.f), o + sf::Vector2f(48.f, 32.f), 4));
    Sprite* s = new Sprite("textures/texture_128.png", 192, 192, sf::Vector2f(96.f, 96.f), true);
    s->FixerImage(1, 5);
    AjouterSprite(s);
    Synchroniser();
}

void PlateformeMobileMini::Integrer(float dt)
{
    if (tombante)
    {
        PolygoneScenique::Integrer(dt);
        return;
    }
    dtCourant = dt;
    PreparerCollision();
    if (!horizontal && !vertical)
        return;
    if (!(dt > 0.f))
    {
        Balancier::DeplacerVers(*this, position, dt);
        return;
    }
    const double theta = balancier.Pas(dt);
    const float d = float(rayon * std::cos(theta));
    const sf::Vector2f cible = horizontal ? sf::Vector2f(centre.x + d, position.y) : sf::Vector2f(position.x, centre.y + d);
    Balancier::DeplacerVers(*this, cible, dt);
}

void PlateformeMobileMini::ContactHeros(Heros* heros)
{
    if (!tombante)
    {
        PolygoneScenique::ContactHeros(heros);
        return;
    }
    if (!heros)
        return;
    if (etat > 1)
    {
        heros->Decoller();
        SupprimerSegments();
        return;
    }
    PolygoneScenique::ContactHeros(heros);
    pasInclinaison = heros->positionSuivante.x > position.x ? 5.f : -5.f;
    if (etat == 0)
    {
        ChangerEtat(1);
        horlogeChute.restart();
    }
}

void PlateformeMobileMini::Animer()
{
    if (etat == 1 && horlogeChute.getElapsedTime().asSeconds() > 0.5f)
    {
        SupprimerSegments();
        AjouterSegment(new Segment(position + sf::Vector2f(-160.f, 0.f), position + sf::Vector2f(160.f, 0.f), 8));
        fige = false;
        ChangerEtat(9);
    }
    if (tombante && etat == 9 && horloge.getElapsedTime().asSeconds() > 0.1f)
    {
        if (!sprites.empty())
            sprites[0]->Tourner(pasInclinaison);
        horloge.restart();
    }
}
