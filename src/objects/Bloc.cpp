#include "objects/Bloc.h"

#include "heroes/Heros.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

namespace
{
const double PI = 3.14159265358979323846;
}

Bloc::Bloc(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_, const std::vector<float>& parametres)
    : PolygoneScenique(scene_, p, profondeur_, parametres)
{
    masse = 150.f;
    poussable = true;
    fige = false; // il tombe
    rayon = 32.f;
    ReconstruireSegments();
    Sprite* s = new Sprite("data/png/game/zones/_/bloc.png", 64, 64, sf::Vector2f(32.f, 32.f));
    s->FixerImage(0, 0);
    AjouterSprite(s);
    Synchroniser();
}

void Bloc::ReconstruireSegments()
{
    SupprimerSegments();
    const float x = position.x, y = position.y;
    AjouterSegment(new Segment({x - 28.f, y - 32.f}, {x + 28.f, y - 32.f}, 0x7d));
    AjouterSegment(new Segment({x + 28.f, y - 32.f}, {x + 32.f, y - 28.f}, 0x7d));
    AjouterSegment(new Segment({x + 32.f, y - 28.f}, {x + 32.f, y + 32.f}, 0x7d));
    AjouterSegment(new Segment({x + 32.f, y + 32.f}, {x - 32.f, y + 32.f}, 0x7d));
    AjouterSegment(new Segment({x - 32.f, y + 32.f}, {x - 32.f, y - 28.f}, 0x7d));
    AjouterSegment(new Segment({x - 32.f, y - 28.f}, {x - 28.f, y - 32.f}, 0x7d));
}

void Bloc::ContactHeros(Heros* heros)
{
    if (!heros)
        return;
    PolygoneScenique::ContactHeros(heros);
    if (heros->collision.indiceCapteur != -1 || heros->collision.autre != this)
        return;
    // frappé par-dessous : le bloc saute et retombe
    if (heros->collision.angleSol == PI)
    {
        Decoller();
        forceElan.norme = 200.f;
        forceElan.angle = PI / 2.0;
    }
}

void Bloc::Reinitialiser()
{
    const bool bouge = !fige;
    PolygoneScenique::Reinitialiser();
    // les segments suivent le bloc remis à sa place
    if (bouge)
        ReconstruireSegments();
}
