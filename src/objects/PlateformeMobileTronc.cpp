#include "objects/PlateformeMobileTronc.h"

#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <cmath>

PlateformeMobileTronc::PlateformeMobileTronc(SceneGraphique* scene, const sf::Vector2f& p, float profondeur,
                                             const std::vector<float>& parametres)
    : PolygoneScenique(scene, p - sf::Vector2f(0.f, 128.f), profondeur, parametres), centre(p),
      balancier(PAS_ANGULAIRE), court(!parametres.empty() && parametres[0] == 6.f)
{
    masque = 0x100;
    rayon = 128.f;
    // toute la course, du plus haut au plus bas
    cadre = sf::FloatRect(p.x - 64.f, p.y - 288.f, 128.f, 544.f);
    const sf::Vector2f o = position;
    auto Trait = [&](float x0, float y0, float x1, float y1, int d) {
        AjouterSegment(new Segment(o + sf::Vector2f(x0, y0), o + sf::Vector2f(x1, y1), d));
    };
    if (court)
    {
        Trait(-48, -128, 48, -128, 33);
        Trait(-48, -96, -48, -128, 4);
        Trait(48, -128, 48, -96, 4);
    }
    else
    {
        Trait(-60, -128, 60, -128, 53);
        Trait(-64, -124, -60, -128, 53);
        Trait(60, -128, 64, -124, 53);
        Trait(-64, 124, -64, -124, 125);
        Trait(64, -124, 64, 124, 125);
        Trait(-60, 128, -64, 124, 125);
        Trait(64, 124, 60, 128, 125);
        Trait(60, 128, -60, 128, 125);
    }
    Sprite* s = new Sprite("textures/texture_xl.png", 128, 288, sf::Vector2f(64.f, 160.f), true);
    s->FixerCadre(224, 672);
    AjouterSprite(s);
    Synchroniser();
}

void PlateformeMobileTronc::Integrer(float dt)
{
    dtCourant = dt;
    PreparerCollision();
    if (!(dt > 0.f))
    {
        Balancier::DeplacerVers(*this, position, dt);
        return;
    }
    const double theta = balancier.Pas(dt);
    Balancier::DeplacerVers(*this, sf::Vector2f(position.x, centre.y + rayon * float(std::cos(theta))), dt);
}
