#include "enemies/Etoile.h"

#include "objects/Explosion.h"
#include "scene/Sprite.h"

namespace
{
const double PI = 3.14159265358979323846;
}

Etoile::Etoile(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
               const std::vector<float>& parametres)
    : Drovik(scene, position, profondeur, parametres)
{
    masque = 256;
    forceGravite.acceleration = 0.f;
    rayon = RAYON_DETECTION;
    AjouterSprite(new Sprite("data/png/game/personnages/droviks/etoile.png", 0, 0, sf::Vector2f(32.f, 32.f)));
    Synchroniser();
}

void Etoile::ToucherHeros(Heros* heros)
{
    if (etat == 0)
        ChangerEtat(1);
    else
        Drovik::ToucherHeros(heros);
}

void Etoile::ChangerEtat(int e)
{
    Drovik::ChangerEtat(e);
    if (e == 1)
    {
        forceElan.angle = PI / 2.0;
        forceElan.norme = 100.f;
        rayon = 32.f;
    }
    else if (e == 2)
        forceElan.norme = 0.f;
    else if (e == ECLAT && !aSupprimer)
    {
        // cinq pointes en étoile, puis l'explosion, sans animal ni points
        for (double a : {PI / 2.0, PI / 10.0, 9.0 * PI / 10.0, 13.0 * PI / 10.0, 17.0 * PI / 10.0})
            Tirer(sf::Vector2f(0.f, 0.f), a, 3);
        aSupprimer = true;
        Confier(new Explosion(scene, position, 0));
    }
}

void Etoile::Penser()
{
    const float t = horloge2.getElapsedTime().asSeconds();
    if (etat == 1 && t > 1.5f)
        ChangerEtat(2);
    else if (etat == 2 && t > 0.5f)
        ChangerEtat(ECLAT);
}
