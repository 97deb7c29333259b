#include "objects/FeuArtifice.h"

#include "game/SceneGraphique.h"
#include "objects/Explosion.h"

#include <cstdlib>

FeuArtifice::FeuArtifice(SceneGraphique* scene, const sf::Vector2f& position, float e, int g, int d)
    : ElementScenique(scene, position, 0.f), etendue(e), genre(g), duree(d)
{
    ancre = nullptr;
    // actif où que soit la caméra
    if (scene)
        cadre = sf::FloatRect(0.f, 0.f, float(scene->Largeur()), float(scene->Hauteur()));
    horlogeVie.restart();
    horlogeElement.restart();
}

void FeuArtifice::Animer()
{
    if (horlogeVie.getElapsedTime().asSeconds() >= float(duree))
    {
        aSupprimer = true;
        return;
    }
    if (horlogeElement.getElapsedTime().asSeconds() < 0.2f)
        return;
    const float u = float(std::rand() % 32768) / 32767.f;
    const float v = float(std::rand() % 32768) / 32767.f;
    const sf::Vector2f p(positionElement.x + 2.f * etendue * u - etendue,
                         positionElement.y + 2.f * etendue * v - etendue);
    if (scene)
        scene->AjouterElement(new Explosion(scene, p, genre));
    horlogeElement.restart();
}
