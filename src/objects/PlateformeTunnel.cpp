#include "objects/PlateformeTunnel.h"

#include "engine/GestionnaireAudio.h"
#include "game/Camera.h"
#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "objects/Debris.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <algorithm>
#include <cmath>

PlateformeTunnel::PlateformeTunnel(SceneGraphique* scene, const sf::Vector2f& p, float profondeur,
                                   const std::vector<float>& parametres, int id)
    : PolygoneScenique(scene, p, profondeur, parametres), faces{}, gaucheCassee(false), droiteCassee(false)
{
    auto Trait = [&](float x0, float y0, float x1, float y1, int d) {
        Segment* s = new Segment(p + sf::Vector2f(x0, y0), p + sf::Vector2f(x1, y1), d);
        AjouterSegment(s);
        return s;
    };
    faces[0] = Trait(-32, 64, -32, -64, DRAPEAUX_FACE);
    faces[1] = Trait(0, -64, 0, 64, DRAPEAUX_FACE);
    faces[2] = Trait(0, 64, 0, -64, DRAPEAUX_FACE);
    faces[3] = Trait(32, -64, 32, 64, DRAPEAUX_FACE);
    Trait(32, -64, -32, -64, 125);
    Trait(-32, 64, 32, 64, 125);

    int gauche = 992, droite = 992;
    if (id == 2000444001)
        gauche = 960;
    else if (id == 2000666001)
        droite = 1120;
    Sprite* g = new Sprite("textures/texture_128.png", 32, 128, sf::Vector2f(32.f, 64.f), true);
    g->FixerCadre(800, gauche);
    AjouterSprite(g);
    Sprite* d = new Sprite("textures/texture_128.png", 32, 128, sf::Vector2f(0.f, 64.f), true);
    d->FixerCadre(800, droite);
    AjouterSprite(d);
    Synchroniser();
}

bool PlateformeTunnel::Cassable(const Heros* heros) const
{
    if (heros->collision.type != CONTACT_SOL)
        return false;
    const Segment* s = SegmentNumero(heros->collision.indiceSegment);
    if (!s || !(s->Drapeaux() & 0x100))
        return false;
    const bool roulade = heros->Etat() == HEROS_ROULADE &&
                         std::fabs(heros->forceMoteur.norme) > heros->ParametresMouvement().vitesseMax;
    return roulade || heros->masse > 160.f;
}

void PlateformeTunnel::ContactHeros(Heros* heros)
{
    if (!heros)
        return;
    if (!Cassable(heros))
    {
        PolygoneScenique::ContactHeros(heros);
        return;
    }
    // la moitié dont la face a été heurtée
    const Segment* s = SegmentNumero(heros->collision.indiceSegment);
    Casser(s == faces[2] || s == faces[3]);
}

void PlateformeTunnel::Casser(bool droite)
{
    GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/brrr.ogg");
    if (scene && scene->CameraScene())
        scene->CameraScene()->Secouer(8.f, 0.5f);
    for (int k = droite ? 2 : 0, fin = k + 2; k < fin; ++k)
    {
        const auto it = std::find(segments.begin(), segments.end(), faces[k]);
        if (it != segments.end())
        {
            Segment* s = *it;
            segments.erase(it);
            delete s;
        }
        faces[k] = nullptr;
    }
    (droite ? droiteCassee : gaucheCassee) = true;
    if (sprites.size() >= 2)
        sprites[droite ? 1 : 0]->FixerCadre(800, CADRE_CASSE);
    if (!scene)
        return;
    const float x = positionElement.x + (droite ? 16.f : -16.f), y = positionElement.y;
    for (float dy : {-48.f, -16.f, 16.f, 48.f})
        scene->AjouterElement(new Debris(scene, sf::Vector2f(x, y + dy)));
}
