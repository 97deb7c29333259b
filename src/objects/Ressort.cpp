#include "objects/Ressort.h"

#include "engine/GestionnaireAudio.h"
#include "heroes/Heros.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <cmath>

namespace
{
const double PI = 3.14159265358979323846;

struct Point
{
    float x, y;
};
struct Cote
{
    Point a, b;
    bool plaque;
};

std::vector<Cote> CotesRessort(int id)
{
    switch (id)
    {
    case 2000021:
        return {{{32, -22}, {32, 32}, false}, {{32, 32}, {-22, 32}, false}, {{-22, 32}, {-22, 22}, false},
               {{-22, 22}, {22, -22}, true}, {{22, -22}, {32, -22}, false}};
    case 2000022:
        return {{{-32, 0}, {32, 0}, true}, {{32, 0}, {32, 32}, false}, {{32, 32}, {-32, 32}, false},
               {{-32, 32}, {-32, 0}, false}};
    case 2000023:
        return {{{22, 22}, {22, 32}, false}, {{22, 32}, {-32, 32}, false}, {{-32, 32}, {-32, -22}, false},
               {{-32, -22}, {-22, -22}, false}, {{-22, -22}, {22, 22}, true}};
    case 2000024:
        return {{{4, -32}, {32, -32}, false}, {{32, -32}, {32, 32}, false}, {{32, 32}, {4, 32}, false},
               {{4, 32}, {0, 28}, false},    {{0, 28}, {0, -28}, true},     {{0, -28}, {4, -32}, false}};
    case 2000026:
        return {{{-32, -32}, {-4, -32}, false}, {{-4, -32}, {0, -28}, false}, {{0, -28}, {0, 28}, true},
               {{0, 28}, {-4, 32}, false},     {{-4, 32}, {-32, 32}, false}, {{-32, 32}, {-32, -32}, false}};
    case 2000028:
        return {{{-32, -32}, {32, -32}, false}, {{32, -32}, {32, 0}, false}, {{32, 0}, {-32, 0}, true},
               {{-32, 0}, {-32, -32}, false}};
    default:
        return std::vector<Cote>();
    }
}
}

Ressort::Ressort(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
                 const std::vector<float>& parametres, int id_)
    : PolygoneScenique(scene_, p, profondeur_, parametres), id(id_), angleLancement(PI / 2.0),
      vitesseLancement(0.f), indicePlaque(-1)
{
    // vitesse toujours négative : son signe sert aux lancers le long du sol
    if (!parametres.empty())
        vitesseLancement = -std::fabs(parametres[0]);

    const std::vector<Cote> cotes = CotesRessort(id);
    float rotation = 0.f;
    switch (id)
    {
    case 2000021: // haut et gauche
        angleLancement = 3.0 * PI / 4.0;
        rotation = 45.f;
        break;
    case 2000022: // haut
        angleLancement = PI / 2.0;
        break;
    case 2000023: // haut et droite
        angleLancement = PI / 4.0;
        rotation = 315.f;
        break;
    case 2000024: // gauche
        angleLancement = PI;
        rotation = 90.f;
        break;
    case 2000026: // droite
        angleLancement = 0.0;
        rotation = 270.f;
        break;
    case 2000028: // bas
        angleLancement = 3.0 * PI / 2.0;
        rotation = 180.f;
        break;
    default: // genre inconnu : ni segment ni effet
        break;
    }
    for (const Cote& c : cotes)
    {
        if (c.plaque)
            indicePlaque = int(segments.size());
        AjouterSegment(new Segment(sf::Vector2f(p.x + c.a.x, p.y + c.a.y), sf::Vector2f(p.x + c.b.x, p.y + c.b.y),
                                   c.plaque ? 0x17d : 0x7d));
    }
    Sprite* s = new Sprite("data/png/game/zones/_/ressort.png", 64, 64, sf::Vector2f(32.f, 32.f));
    s->FixerImage(0, 0);
    s->FixerRotation(rotation);
    AjouterSprite(s);
    Synchroniser();
}

void Ressort::ContactHeros(Heros* heros)
{
    if (!heros || heros->collision.indiceCapteur != -1)
        return;
    const bool plaque = heros->collision.autre == this && indicePlaque >= 0 &&
                        heros->collision.indiceSegment == indicePlaque;
    if (etat == 0 && plaque)
    {
        GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/ressort.ogg");
        ChangerEtat(1);
        heros->Propulser(angleLancement, vitesseLancement);
        return;
    }
    // autre face, ou ressort détendu : une surface ordinaire
    if (heros->sol && heros->collision.angleReflexion == PI / 2.0)
        heros->ChangerEtat(HEROS_POUSSEE);
    else
        heros->Rebondir();
}

void Ressort::AnimerEtat()
{
    const float t = horloge.getElapsedTime().asSeconds();
    if (etat == 1)
    {
        if (t > 0.01f)
            ChangerEtat(2);
    }
    else if (etat == 2)
    {
        if (!sprites.empty())
            sprites[0]->FixerImage(0, 1);
        if (t > 0.25f)
            ChangerEtat(0);
    }
    else if (!sprites.empty())
        sprites[0]->FixerImage(0, 0);
}
