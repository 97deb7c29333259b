#include "objects/Tunnel.h"

#include "heroes/Heros.h"
#include "objects/ContoursPlateforme.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <cmath>

Tunnel::Tunnel(SceneGraphique* scene, const sf::Vector2f& p, float profondeur, const std::vector<float>& parametres)
    : PolygoneScenique(scene, p, profondeur, parametres)
{
    for (const ContoursPlateforme::Trait& t : ContoursPlateforme::Contour(GENRE))
        AjouterSegment(new Segment(p + t.debut, p + t.fin, t.drapeaux));
    const ContoursPlateforme::Apparence a = ContoursPlateforme::Image(GENRE);
    Sprite* s = new Sprite("textures/texture_xl.png", a.rectangle.width, a.rectangle.height, a.origine, true);
    s->FixerCadre(a.rectangle.top, a.rectangle.left);
    AjouterSprite(s);
    Synchroniser();
}

void Tunnel::ContactHeros(Heros* heros)
{
    PolygoneScenique::ContactHeros(heros);
    if (!heros)
        return;
    if (heros->Etat() != HEROS_ROULADE)
        heros->ChangerEtat(HEROS_ROULADE);
    if (std::fabs(heros->forceMoteur.norme) >= heros->ParametresMouvement().vitesseMin)
        return;
    // arrêté net au sol : la relance le long du sol n'aurait pas de sens, on prend celui du regard
    if (heros->sol && heros->forceMoteur.norme == 0.f)
        heros->forceMoteur.norme = heros->VersLaDroite() ? VITESSE_RELANCE : -VITESSE_RELANCE;
    else
        heros->Propulser(heros->forceMoteur.angle, VITESSE_RELANCE);
}
