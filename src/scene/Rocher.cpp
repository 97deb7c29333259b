#include "scene/Rocher.h"

#include "physics/Segment.h"
#include "scene/Sprite.h"

Rocher::Rocher(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
               const std::vector<float>& parametres)
    : PolygoneScenique(scene_, p, profondeur_, parametres)
{
    AjouterSprite(new Sprite("data/png/game/zones/1/decors/rocher.png", 0, 0, sf::Vector2f(46.f, 47.f)));
    const sf::Vector2f contour[6] = {{-28.f, -44.f}, {28.f, -44.f}, {32.f, -40.f},
                                     {32.f, 48.f},   {-32.f, 48.f}, {-32.f, -40.f}};
    for (int i = 0; i < 6; ++i)
        AjouterSegment(new Segment(p + contour[i], p + contour[(i + 1) % 6], 125));
}
