#include "objects/PontEpineux.h"

#include "engine/GestionnaireAudio.h"
#include "heroes/Heros.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <cmath>

int PontEpineux::AnimerPics(Sprite* s)
{
    if (!s)
        return 0;
    // huit images de 64 de haut, deux par phase : 1,6 s le cycle
    s->AnimerColonne(0, 0, 7, 0.2f, true);
    const int haut = s->SpriteSFML().getTextureRect().top;
    if (haut < 128)
        return 0;
    if (haut < 256)
        return 1;
    if (haut < 384)
        return 2;
    return 3;
}

PontEpineux::PontEpineux(SceneGraphique* scene_, const sf::Vector2f& p, float profondeur_,
                         const std::vector<float>& parametres, int id)
    : PolygoneScenique(scene_, p, profondeur_, parametres), travees(id % 10)
{
    // le dernier chiffre du genre : 1 à 4 travées
    if (travees < 1 || travees > 4)
        travees = 1;
    const float demi = 128.f * float(travees);
    masque = 257;
    cadre = sf::FloatRect(p.x - demi, p.y - 32.f, 2.f * demi, 64.f);
    AjouterSegment(new Segment(sf::Vector2f(p.x - demi, p.y - 8.f), sf::Vector2f(p.x + demi, p.y - 8.f),
                               SEG_SOL | SEG_CONTINUITE | SEG_COTE));
    Sprite* s = new Sprite("objets/pont_epineux.png", 256, 64, sf::Vector2f(128.f, 32.f), true);
    s->FixerImage(0, 0);
    AjouterSprite(s);
    Synchroniser();
}

int PontEpineux::Colonne(float x) const
{
    const float gauche = position.x - 128.f * float(travees);
    const int k = int(std::floor((x - gauche) / 64.f));
    return ((k % 4) + 4) % 4;
}

void PontEpineux::ContactHeros(Heros* heros)
{
    if (!heros)
        return;
    // le tablier porte le héros
    PolygoneScenique::ContactHeros(heros);
    if (heros->collision.indiceCapteur != -1 || heros->collision.autre != this)
        return;
    if (Colonne(heros->collision.point.x) == etat && heros->Blesser(0))
        GestionnaireAudio::Instance()->JouerSon("data/ogg/sounds/pics.ogg");
}

void PontEpineux::AnimerEtat()
{
    // la phase est l'état ; sans passer par ChangerEtat, qui relancerait l'animation
    if (!sprites.empty())
        etat = AnimerPics(sprites[0]);
}

void PontEpineux::Dessiner(sf::RenderTarget& canvas)
{
    if (sprites.empty())
        return;
    Sprite* s = sprites[0];
    const sf::Vector2f centre = position;
    for (int i = 0; i < travees; ++i)
    {
        s->FixerPosition(sf::Vector2f(centre.x - 128.f * float(travees - 1) + 256.f * float(i), centre.y));
        s->Dessiner(canvas);
    }
    s->FixerPosition(centre);
}
