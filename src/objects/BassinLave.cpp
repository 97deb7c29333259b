#include "objects/BassinLave.h"

#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "objects/BassinEau.h"
#include "objects/SurfaceLave.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

BassinLave::BassinLave(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
                       const std::vector<float>& parametres)
    : PolygoneScenique(scene_, p, profondeur_, parametres), largeur(BassinEau::LireCases(parametres, 0)),
      hauteur(BassinEau::LireCases(parametres, 1))
{
    const float w = float(largeur), h = float(hauteur);
    cadre = sf::FloatRect(p.x - 32.f, p.y - 32.f, 64.f * w, 64.f * h);
    // la surface est un sol
    AjouterSegment(new Segment(sf::Vector2f(p.x - 32.f, p.y - 32.f), sf::Vector2f(p.x + 64.f * w - 32.f, p.y - 32.f),
                               SEG_SOL | SEG_CONTINUITE));

    Sprite* s = new Sprite("data/png/game/zones/_/bassin_lave.png", 0, 0, sf::Vector2f(32.f / w, 32.f / h));
    s->FixerEchelle(w, h);
    AjouterSprite(s);

    if (scene)
        for (int i = 0; i < largeur; ++i)
            scene->AjouterElement(new SurfaceLave(scene, sf::Vector2f(p.x + 64.f * float(i), p.y - 32.f)));
}

void BassinLave::ContactHeros(Heros* h)
{
    if (!h)
        return;
    // brûlure ; si le coup ne porte pas (bouclier de feu, invincibilité, clignotement), la lave porte
    if (!h->Blesser(3))
        PolygoneScenique::ContactHeros(h);
}
