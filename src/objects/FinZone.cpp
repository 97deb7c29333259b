#include "objects/FinZone.h"

#include "enemies/Lapin.h"
#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "objects/FeuArtifice.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <cstdlib>

FinZone::FinZone(SceneGraphique* scene_, const sf::Vector2f& p) : PolygoneScenique(scene_, p, 31.f)
{
    fige = false;
    masque = 2;
    masse = 120.f;
    rayon = 80.f;
    if (scene)
        cadre = sf::FloatRect(0.f, 0.f, float(scene->Largeur()), float(scene->Hauteur()));
    // le fond, sur lequel elle se pose
    AjouterSegment(new Segment({p.x + 80.f, p.y + 80.f}, {p.x - 80.f, p.y + 80.f}, 0x7d));
    AjouterSprite(new Sprite("data/png/game/zones/_/fin_zone.png", 160, 160, sf::Vector2f(80.f, 80.f)));
    sprites[0]->FixerImage(0, 0);
    Synchroniser();
}

void FinZone::ReconstruireSegments()
{
    // posée : le bouton sur le dessus et les deux faces du poteau
    SupprimerSegments();
    const float x = position.x, y = position.y;
    AjouterSegment(new Segment({x - 16.f, y - 56.f}, {x + 16.f, y - 56.f}, 0x01));
    AjouterSegment(new Segment({x, y}, {x, y - 56.f}, 0x04));
    AjouterSegment(new Segment({x, y - 56.f}, {x, y}, 0x04));
    fige = true;
    masque = 256;
}

void FinZone::ContactHeros(Heros* heros)
{
    if (!heros)
        return;
    PolygoneScenique::ContactHeros(heros);
    if (etat != 0 || heros->collision.autre != this || heros->collision.indiceSegment != 0 || !fige)
        return;
    if (scene)
    {
        scene->AjouterElement(new FeuArtifice(scene, position, 48.f, 2, 3));
        scene->FixerEtatScene(SCENE_FIN_ACTE);
    }
    heros->FixerPosition(sf::Vector2f(-64.f, -64.f));
    ChangerEtat(1);
}

void FinZone::ChangerEtat(int e)
{
    PolygoneScenique::ChangerEtat(e);
    if (e == 9)
        Ouvrir();
}

void FinZone::Ouvrir()
{
    SupprimerSegments();
    const float largeur = scene ? float(scene->Largeur()) : position.x + 10000.f;
    AjouterSegment(new Segment({0.f, position.y + 80.f}, {largeur, position.y + 80.f}, 0x7d));
    if (!scene)
        return;
    for (int i = -32; i <= 30; i += 2)
    {
        const float d = float(std::rand() % 32768) / 32767.f * 6.f;
        scene->AjouterElement(
            new Lapin(scene, sf::Vector2f(position.x + float(i), position.y + 32.f), profondeur - 5.f - d, d));
    }
}

void FinZone::AnimerEtat()
{
    if (sprites.empty())
        return;
    if (etat == 0)
        sprites[0]->AnimerLigne(0, 0, 1, 0.25f, true);
    else if (etat == 1)
    {
        sprites[0]->FixerImage(0, 2);
        if (horloge.getElapsedTime().asSeconds() > 3.25f)
            ChangerEtat(9);
    }
    else if (etat == 9)
        sprites[0]->FixerImage(0, 3);
}
