#include "scene/Cascade.h"

#include "scene/Sprite.h"

#include <cmath>

namespace
{
// Nombre de cases lu d'un paramètre : entier, borné, 1 s'il manque
int Cases(const std::vector<float>& p, std::size_t i)
{
    if (i >= p.size())
        return 1;
    const float v = p[i];
    if (!(v > 0.f))
        return 0;
    return v > float(Cascade::CASES_MAX) ? Cascade::CASES_MAX : int(v);
}
} // namespace

Cascade::Cascade(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
                 const std::vector<float>& parametres)
    : PolygoneScenique(scene_, p, profondeur_, parametres), colonnes(Cases(parametres, 0)),
      rangees(Cases(parametres, 1))
{
    AjouterSprite(new Sprite("data/png/game/zones/1/decors/cascade.png", 128, 256, sf::Vector2f(64.f, 128.f)));
    cadre = sf::FloatRect(p.x - 64.f, p.y - 128.f, float(colonnes) * 128.f, float(rangees) * 256.f);
}

void Cascade::Animer()
{
    sprites[0]->AnimerLigne(0, 0, 3, 0.1f, true);
}

void Cascade::Dessiner(sf::RenderTarget& cible)
{
    Sprite* s = sprites[0];
    const sf::Vector2f base = ancre ? *ancre : positionElement;
    for (int c = 0; c < colonnes; ++c)
        for (int r = 0; r < rangees; ++r)
        {
            s->FixerPosition(base + sf::Vector2f(128.f * float(c), 256.f * float(r)));
            s->Dessiner(cible);
        }
    s->FixerPosition(base);
}
