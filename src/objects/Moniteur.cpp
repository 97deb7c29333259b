#include "objects/Moniteur.h"

#include "game/GameOptions.h"
#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "objects/Explosion.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <cmath>

namespace
{
const double PI = 3.14159265358979323846;
const char* IMAGE = "data/png/game/personnages/heros/ressources/moniteurs.png";
}

int Moniteur::ColonneIcone(int id)
{
    switch (id)
    {
    case 5000010: return 2;
    case 5000020: return 12 + (GameOptions::Instance()->HerosChoisi() == 1 ? 1 : 0);
    case 5000030: return 8;
    case 5000050: return 11;
    case 5000110: return 3;
    case 5000120: return 4;
    case 5000130: return 5;
    case 5000140: return 6;
    case 5000199: return 7;
    default: return -1;
    }
}

Moniteur::Moniteur(SceneGraphique* scene, int id_, const sf::Vector2f& position, float profondeur,
                   const std::vector<float>& parametres)
    : PolygoneScenique(scene, position, profondeur, parametres), id(id_)
{
    masse = 150.f;
    ReconstruireSegments();
    AjouterSprite(new Sprite(IMAGE, 64, 64, sf::Vector2f(32.f, 32.f)));
    AjouterSprite(new Sprite(IMAGE, 64, 64, sf::Vector2f(32.f, 32.f)));
    sprites[0]->FixerImage(0, 0);
    const int c = ColonneIcone(id);
    sprites[1]->FixerImage(0, c < 0 ? 0 : c);
    sprites[1]->Clignoter(-1.f);
    Synchroniser();
}

void Moniteur::ReconstruireSegments()
{
    SupprimerSegments();
    const float x = position.x, y = position.y;
    AjouterSegment(new Segment({x - 18.f, y - 32.f}, {x + 18.f, y - 32.f}, 0x7d));
    AjouterSegment(new Segment({x + 18.f, y - 32.f}, {x + 22.f, y - 28.f}, 0x7d));
    AjouterSegment(new Segment({x + 22.f, y - 28.f}, {x + 22.f, y + 32.f}, 0x7d));
    AjouterSegment(new Segment({x + 22.f, y + 32.f}, {x - 22.f, y + 32.f}, 0x17d));
    AjouterSegment(new Segment({x - 22.f, y + 32.f}, {x - 22.f, y - 28.f}, 0x7d));
    AjouterSegment(new Segment({x - 22.f, y - 28.f}, {x - 18.f, y - 32.f}, 0x7d));
}

void Moniteur::ContactHeros(Heros* heros)
{
    if (!heros)
        return;
    const Segment* s = SegmentNumero(heros->collision.indiceSegment);
    if (heros->collision.autre == this && s && (s->Drapeaux() & SEG_ACTION))
    {
        // frappé par-dessous : la boîte saute et retombe
        heros->Rebondir();
        Decoller();
        rayon = 32.f;
        forceElan.norme = 250.f;
        forceElan.angle = PI / 2.0;
        return;
    }
    const int t = heros->collision.type;
    if (etat == 0 && (t == CONTACT_SOL || t == CONTACT_COTE || t == CONTACT_EXTREMITE) && heros->EstDangereux(this) &&
        heros->vitesse.norme > heros->ParametresMouvement().vitesseMaxAir * 0.5f)
    {
        ChangerEtat(9);
        if (heros->Etat() == HEROS_SAUT)
            heros->Amortir();
        heros->EmpilerBonus(id);
        return;
    }
    PolygoneScenique::ContactHeros(heros);
}

void Moniteur::ChangerEtat(int e)
{
    PolygoneScenique::ChangerEtat(e);
    if (e != 9)
        return;
    SupprimerSegments();
    fige = true;
    if (scene)
        scene->AjouterElement(new Explosion(scene, position, 0));
    if (!sprites.empty())
        sprites[0]->FixerImage(0, 1);
    if (sprites.size() > 1)
        sprites[1]->Clignoter(0.f);
}

void Moniteur::AnimerEtat()
{
    if (etat != 9 || sprites.size() < 2)
        return;
    const float t = horloge.getElapsedTime().asSeconds();
    if (t < 0.5f)
        sprites[1]->Deplacer(0.f, -192.f * t);
    else
        sprites[1]->FixerPosition(sf::Vector2f(position.x, position.y - 96.f));
    if (t > 2.f)
    {
        delete sprites[1];
        sprites.pop_back();
    }
}
