#include "objects/Pics.h"

#include "engine/GestionnaireAudio.h"
#include "heroes/Heros.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

namespace
{
struct Cote
{
    float ax, ay, bx, by;
    bool pointes;
};

std::vector<Cote> CotesPics(int id)
{
    switch (id)
    {
    case 2000002:
        return {{-28, -32, 28, -32, true}, {28, -32, 32, -28, false}, {32, -28, 32, 32, false},
               {32, 32, -32, 32, false},  {-32, 32, -32, -28, false}, {-32, -28, -28, -32, false}};
    case 2000004:
        return {{-28, -32, 32, -32, false}, {32, -32, 32, 32, false}, {32, 32, -32, 32, false},
               {-32, 32, -32, -28, true},  {-32, -28, -28, -32, false}};
    case 2000006:
        return {{-32, -32, 28, -32, false}, {28, -32, 32, -28, false}, {32, -28, 32, 32, true},
               {32, 32, -32, 32, false},   {-32, 32, -32, -32, false}};
    case 2000008:
        return {{-32, -32, 32, -32, false}, {32, -32, 32, 32, false}, {32, 32, -32, 32, true},
               {-32, 32, -32, -32, false}};
    default:
        return std::vector<Cote>();
    }
}
}

Pics::Pics(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_, const std::vector<float>& parametres,
           int id_)
    : PolygoneScenique(scene_, p, profondeur_, parametres), id(id_), indicePointes(-1)
{
    Sprite* s = new Sprite("data/png/game/zones/_/pics.png", 0, 0, sf::Vector2f(32.f, 32.f));
    const std::vector<Cote> cotes = CotesPics(id);
    switch (id)
    {
    case 2000002: // vers le haut
        break;
    case 2000004: // vers la gauche
        s->FixerRotation(90.f);
        break;
    case 2000006: // vers la droite
        s->FixerRotation(270.f);
        break;
    case 2000008: // vers le bas
        s->MiroirVertical(true);
        break;
    default:
        break;
    }
    for (const Cote& c : cotes)
    {
        if (c.pointes)
            indicePointes = int(segments.size());
        AjouterSegment(new Segment(sf::Vector2f(p.x + c.ax, p.y + c.ay), sf::Vector2f(p.x + c.bx, p.y + c.by),
                                   c.pointes ? 0x17d : 0x7d));
    }
    AjouterSprite(s);
    Synchroniser();
}

void Pics::ContactHeros(Heros* heros)
{
    if (!heros || heros->collision.indiceCapteur != -1)
        return;
    const int t = heros->collision.type;
    const bool pointes = heros->collision.autre == this && indicePointes >= 0 &&
                         heros->collision.indiceSegment == indicePointes;
    if (pointes && (t == CONTACT_SOL || t == CONTACT_SUITE))
    {
        if (heros->Blesser(0))
            GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/pics.ogg");
        else
            PolygoneScenique::ContactHeros(heros);
        return;
    }
    // le vol plané passe au travers des côtés
    if (heros->Etat() == HEROS_PLANE)
        return;
    PolygoneScenique::ContactHeros(heros);
}
