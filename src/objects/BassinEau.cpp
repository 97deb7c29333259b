#include "objects/BassinEau.h"

#include "game/SceneGraphique.h"
#include "objects/SurfaceEau.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <cmath>

namespace
{
// Nombre de cases : entier de 1 à CASES_MAX, 1 s'il manque ou n'a pas de sens
int Cases(const std::vector<float>& p, std::size_t i)
{
    if (i >= p.size() || !(p[i] >= 1.f))
        return 1;
    return p[i] > float(BassinEau::CASES_MAX) ? BassinEau::CASES_MAX : int(p[i]);
}
} // namespace

BassinEau::BassinEau(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
                     const std::vector<float>& parametres)
    : PolygoneScenique(scene_, p, profondeur_, parametres), largeur(Cases(parametres, 0)),
      hauteur(Cases(parametres, 1))
{
    const float w = float(largeur), h = float(hauteur);
    cadre = sf::FloatRect(p.x - 32.f, p.y - 32.f, 64.f * w, 64.f * h);
    // une position aberrante (fichier abîmé) ne touche pas au niveau de l'eau
    if (scene && std::fabs(p.y) < 1e9f)
        scene->FixerNiveauEau(int(p.y - 32.f));

    // surface, ligne d'entrée (franchie en descendant), ligne de sortie (franchie en montant)
    AjouterSegment(new Segment(sf::Vector2f(p.x - 32.f, p.y - 32.f), sf::Vector2f(p.x + 64.f * w - 32.f, p.y - 32.f),
                               SEG_CONTINUITE));
    AjouterSegment(new Segment(sf::Vector2f(p.x - 64.f, p.y), sf::Vector2f(p.x + 64.f * w, p.y), SEG_SOL | SEG_CAPTEUR));
    AjouterSegment(new Segment(sf::Vector2f(p.x + 64.f * w, p.y - 64.f), sf::Vector2f(p.x - 64.f, p.y - 64.f),
                               SEG_SOL | SEG_CAPTEUR));

    Sprite* s = new Sprite("data/png/game/zones/_/bassin_eau.png", 0, 0, sf::Vector2f(32.f / w, 32.f / h));
    s->FixerEchelle(w, h);
    AjouterSprite(s);

    if (scene)
        for (int i = 0; i < largeur; ++i)
            scene->AjouterElement(new SurfaceEau(scene, sf::Vector2f(p.x + 64.f * float(i), p.y - 32.f)));
}
