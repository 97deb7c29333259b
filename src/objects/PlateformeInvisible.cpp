#include "objects/PlateformeInvisible.h"

#include "physics/Segment.h"
#include "scene/Sprite.h"

PlateformeInvisible::PlateformeInvisible(SceneGraphique* scene, const sf::Vector2f& p, float profondeur,
                                         const std::vector<float>& parametres)
    : PolygoneScenique(scene, p, profondeur, parametres)
{
    masque = 0x100;
    AjouterSegment(new Segment(p + sf::Vector2f(-8.f, -64.f), p + sf::Vector2f(8.f, -64.f), 9));
    Sprite* s = new Sprite("textures/texture_128.png", 192, 192, sf::Vector2f(96.f, 96.f), true);
    s->FixerImage(2, 5);
    AjouterSprite(s);
    Synchroniser();
}

void PlateformeInvisible::ContactHeros(Heros* heros)
{
    PolygoneScenique::ContactHeros(heros);
    if (!sprites.empty())
        sprites[0]->FixerCouleur(sf::Color::White);
    horloge.restart();
}

void PlateformeInvisible::Animer()
{
    if (!sprites.empty() && horloge.getElapsedTime().asSeconds() > 0.25f)
        sprites[0]->FixerCouleur(sf::Color::Transparent);
}
