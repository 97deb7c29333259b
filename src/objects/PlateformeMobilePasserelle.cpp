#include "objects/PlateformeMobilePasserelle.h"

#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <cmath>

PlateformeMobilePasserelle::PlateformeMobilePasserelle(SceneGraphique* scene, const sf::Vector2f& p,
                                                       float profondeur, const std::vector<float>& parametres)
    : PolygoneScenique(scene, p - sf::Vector2f(256.f, 0.f), profondeur, parametres), pivot(p),
      balancier(PAS_ANGULAIRE)
{
    masque = 0x100;
    rayon = 256.f;
    // tout l'arc parcouru, de part et d'autre du pivot
    cadre = sf::FloatRect(p.x - 320.f, p.y - 32.f, 640.f, 352.f);
    const sf::Vector2f o = position;
    AjouterSegment(new Segment(o + sf::Vector2f(-32.f, 0.f), o + sf::Vector2f(32.f, 0.f), 33));
    AjouterSegment(new Segment(o + sf::Vector2f(-32.f, 32.f), o + sf::Vector2f(-32.f, 0.f), 4));
    AjouterSegment(new Segment(o + sf::Vector2f(32.f, 0.f), o + sf::Vector2f(32.f, 32.f), 4));
    AjouterSprite(new Sprite("objets/passerelle_maillon.png", 0, 0, sf::Vector2f(16.f, 0.f), true));
    AjouterSprite(new Sprite("objets/passerelle_centre.png", 0, 0, sf::Vector2f(16.f, 0.f), true));
    AjouterSprite(new Sprite("objets/passerelle.png", 0, 0, sf::Vector2f(48.f, 1.f), true));
    Synchroniser();
}

void PlateformeMobilePasserelle::Integrer(float dt)
{
    dtCourant = dt;
    PreparerCollision();
    if (!(dt > 0.f))
    {
        Balancier::DeplacerVers(*this, position, dt);
        return;
    }
    const double theta = balancier.Pas(dt);
    const sf::Vector2f cible(pivot.x + rayon * float(std::cos(theta)), pivot.y + rayon * float(std::sin(-theta)));
    Balancier::DeplacerVers(*this, cible, dt);
}

void PlateformeMobilePasserelle::Dessiner(sf::RenderTarget& canvas)
{
    if (sprites.size() < 3)
        return;
    Sprite* maillon = sprites[0];
    Sprite* centre = sprites[1];
    Sprite* plateau = sprites[2];
    maillon->FixerPosition(pivot);
    centre->FixerPosition(pivot);
    const double theta = balancier.theta;
    const sf::Vector2f pas(rayon * float(std::cos(theta)) / 8.f, rayon * float(std::sin(-theta)) / 8.f);
    for (int i = 0; i < 8; ++i)
    {
        maillon->Deplacer(pas.x, pas.y);
        maillon->Dessiner(canvas);
    }
    centre->Dessiner(canvas);
    plateau->Dessiner(canvas);
}
