#include "objects/BorneZ.h"

#include "heroes/Heros.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

BorneZ::BorneZ(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
               const std::vector<float>& parametres, int id_)
    : PolygoneScenique(scene_, p, profondeur_, parametres), id(id_)
{
    masque = 256;
    // 1000041/42 : franchies vers la droite ; 1000061/62 : vers la gauche
    const bool versGauche = id == 1000061 || id == 1000062;
    const sf::Vector2f bas(p.x, p.y + 32.f), haut(p.x, p.y - 32.f);
    if (versGauche)
        AjouterSegment(new Segment(haut, bas, SEG_SOL | SEG_CAPTEUR));
    else
        AjouterSegment(new Segment(bas, haut, SEG_SOL | SEG_CAPTEUR));

    Sprite* s = new Sprite("data/png/game/zones/_/bornes.png", 16, 64, sf::Vector2f(8.f, 32.f));
    s->FixerImage(0, MasqueHeros() == 7 ? 1 : 0);
    if (versGauche)
        s->FixerRotation(180.f);
    AjouterSprite(s);
    Synchroniser();
}

int BorneZ::MasqueHeros() const
{
    return id == 1000042 || id == 1000062 ? 11 : 7;
}

float BorneZ::ProfondeurHeros() const
{
    return MasqueHeros() == 11 ? 51.f : 59.f;
}

void BorneZ::ContactHeros(Heros* heros)
{
    // franchie, jamais heurtée : seul le capteur compte
    if (!heros || heros->collision.indiceCapteur < 0)
        return;
    heros->masque = MasqueHeros();
    heros->profondeur = ProfondeurHeros();
}
