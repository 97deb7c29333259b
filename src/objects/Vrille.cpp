#include "objects/Vrille.h"

#include "heroes/Heros.h"
#include "objects/ContoursPlateforme.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

Vrille::Vrille(SceneGraphique* scene, const sf::Vector2f& p, float profondeur, const std::vector<float>& parametres,
               int genre, bool premiere_, int sens_)
    : PolygoneScenique(scene, p, profondeur, parametres), premiere(premiere_), sens(sens_)
{
    masque = 0x100;
    for (const ContoursPlateforme::Trait& t : ContoursPlateforme::Contour(genre))
        AjouterSegment(new Segment(p + t.debut, p + t.fin, t.drapeaux));
    const ContoursPlateforme::Apparence a = ContoursPlateforme::Image(genre);
    Sprite* s = new Sprite("textures/texture_xl.png", a.rectangle.width, a.rectangle.height, a.origine, true);
    s->FixerCadre(a.rectangle.top, a.rectangle.left);
    if (sens == 1)
        s->Tourner(90.f);
    AjouterSprite(s);
    Synchroniser();
}

int Vrille::Pose(bool premiere, int i, int n)
{
    if (premiere)
        return i == 0 ? -1 : (i - 1) / 2;
    return i == n - 1 ? -1 : int((i + 1) * 0.5 + 6);
}

void Vrille::ContactHeros(Heros* heros)
{
    PolygoneScenique::ContactHeros(heros);
    if (!heros || (heros->Etat() != HEROS_COURSE && heros->Etat() != HEROS_VRILLE))
        return;
    const int image = Pose(premiere, heros->collision.indiceSegment, int(segments.size()));
    if (image < 0)
        heros->ChangerEtat(HEROS_COURSE);
    else
    {
        heros->ChangerEtat(HEROS_VRILLE);
        heros->AfficherVrille(sens, image);
    }
}
