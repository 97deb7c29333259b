#include "objects/Plateforme.h"

#include "game/SceneGraphique.h"
#include "objects/ContoursPlateforme.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <cstdlib>

Plateforme::Plateforme(SceneGraphique* scene, const sf::Vector2f& p, float profondeur,
                       const std::vector<float>& parametres, int id)
    : PolygoneScenique(scene, p, profondeur, parametres), genre(id)
{
    ContoursPlateforme::Couleur couleur = ContoursPlateforme::AUTRE;
    if (parametres.size() >= 3)
        couleur = ContoursPlateforme::LireCouleur(int(parametres[0]), int(parametres[1]), int(parametres[2]));
    if (couleur == ContoursPlateforme::ROUGE)
        couche = 4;
    else if (couleur == ContoursPlateforme::BLEU)
        couche = 8;

    for (const ContoursPlateforme::Trait& t : ContoursPlateforme::Contour(id, couleur))
        AjouterSegment(new Segment(p + t.debut, p + t.fin, t.drapeaux));

    const ContoursPlateforme::Apparence a = ContoursPlateforme::Image(id);
    if (a.planche == ContoursPlateforme::PLANCHE_128)
    {
        Sprite* s = new Sprite("textures/texture_128.png", 192, 192, sf::Vector2f(96.f, 96.f), true);
        // colonne au hasard parmi les cinq dessins de la même pièce
        s->FixerImage(a.ligne, a.colonne < 0 ? std::rand() % 5 : a.colonne);
        AjouterSprite(s);
    }
    else if (a.planche == ContoursPlateforme::PLANCHE_XL)
    {
        Sprite* s = new Sprite("textures/texture_xl.png", a.rectangle.width, a.rectangle.height, a.origine, true);
        s->FixerCadre(a.rectangle.top, a.rectangle.left);
        AjouterSprite(s);
    }
    // bornes justes dès l'insertion dans l'index
    Synchroniser();

    // départ du héros au-dessus du sol le plus haut de la colonne x = 192
    if (id == GENRE_SOL && scene && p.x == 192.f && scene->PointDepart().y > p.y - 128.f)
        scene->FixerPointDepart(sf::Vector2f(p.x + 32.f, p.y - 128.f));
}

Plateforme::~Plateforme()
{
}
