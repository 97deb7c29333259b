#include "objects/Pont.h"

#include "heroes/Heros.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <cmath>

Pont::Pont(SceneGraphique* scene, const sf::Vector2f& p, float profondeur, const std::vector<float>& parametres,
           int id)
    : PolygoneScenique(scene, p, profondeur, parametres), planches(0), affaissement(0), charge(0),
      metronome(sf::seconds(0.01f))
{
    masque = 0x100;
    switch (id)
    {
    case 2000301008: planches = 8; break;
    case 2000301012: planches = 12; break;
    case 2000301016: planches = 16; break;
    default: planches = 0; break;
    }
    const int c = planches;
    cadre = sf::FloatRect(p.x - 32.f * (c * 0.5f + 2.f), p.y - 64.f, 32.f * (c + 4), 128.f);
    const float l = 16.f * c, creux = 2.f * c;
    AjouterSegment(new Segment(p + sf::Vector2f(-l, 0.f), p + sf::Vector2f(0.f, creux), 61));
    AjouterSegment(new Segment(p + sf::Vector2f(0.f, creux), p + sf::Vector2f(l, 0.f), 61));
    for (int i = 0; i < c; ++i)
        AjouterSprite(new Sprite("objets/pont_marche.png", 0, 0, sf::Vector2f(0.f, 0.f), true));
    const sf::Vector2f origine(32.f * (c / 2) + 32.f, 48.f);
    AjouterSprite(new Sprite("objets/pont_structure.png", 0, 0, origine, true));
    Sprite* droite = new Sprite("objets/pont_structure.png", 0, 0, origine, true);
    droite->Miroir(true);
    AjouterSprite(droite);
    Synchroniser();
}

void Pont::ContactHeros(Heros* heros)
{
    PolygoneScenique::ContactHeros(heros);
    if (!heros)
        return;
    const sf::Vector2f& P = heros->collision.point;
    affaissement = int(std::fabs(P.y - positionElement.y));
    charge = int(std::fabs(P.x - (positionElement.x - 16.f * planches)));
}

void Pont::Animer()
{
    const int c = planches;
    if (int(sprites.size()) < c)
        return;
    for (int i = 0; i < c; ++i)
        sprites[i]->Deplacer(-32.f * (c / 2) + 32.f * i, 0.f);
    const int s = affaissement;
    if (charge >= 32)
    {
        const int k = charge / 32;
        if (k < c - 1)
        {
            sprites[k]->Deplacer(0.f, float(s));
            for (int j = 1; j <= k - 1; ++j)
                sprites[j]->Deplacer(0.f, float((s * j) / (k - 1)));
            for (int j = c - 2; j >= k + 1; --j)
                sprites[j]->Deplacer(0.f, float((s * (c - 1 - j)) / (c - 1 - k)));
        }
    }
    if (affaissement == 0)
    {
        metronome.Reprendre();
        return;
    }
    // autant de pixels que de centièmes de seconde écoulés, à toute cadence
    const float y = positionElement.y;
    for (int n = metronome.Pas(); n > 0 && affaissement > 0; --n)
    {
        for (int i = 1; i <= c - 2; ++i)
            if (sprites[i]->Position().y > y + 1.f)
                sprites[i]->Deplacer(0.f, -1.f);
        affaissement -= 1;
    }
}
