#include "enemies/Cameleon.h"

#include "enemies/Lapin.h"
#include "scene/Sprite.h"

Cameleon::Cameleon(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                   const std::vector<float>& parametres)
    : Drovik(scene, position, profondeur, parametres), opacite(0)
{
    masque = 256;
    forceGravite.acceleration = 0.f;
    AjouterSprite(new Sprite("data/png/game/personnages/droviks/cameleon.png", 100, 100, sf::Vector2f(50.f, 50.f)));
    Colorer();
    Synchroniser();
}

void Cameleon::Colorer()
{
    sprites[0]->FixerCouleur(sf::Color(255, 255, 255, sf::Uint8(opacite)));
}

void Cameleon::ToucherHeros(Heros* heros)
{
    if (Visible())
        Drovik::ToucherHeros(heros);
}

void Cameleon::ChangerEtat(int e)
{
    Drovik::ChangerEtat(e);
    if (e == 1)
        opacite = 0;
}

void Cameleon::Penser()
{
    const float t = horloge2.getElapsedTime().asSeconds();
    switch (etat)
    {
    case 0:
        if (t > 3.f)
            ChangerEtat(1);
        break;
    case 1:
        if (t > 0.05f)
        {
            opacite = opacite + 5 > 255 ? 255 : opacite + 5;
            Colorer();
            horloge2.restart();
            if (opacite >= 255)
                ChangerEtat(2);
        }
        break;
    case 2:
        if (t > 0.5f)
            ChangerEtat(3);
        break;
    case 3:
        if (t > 0.3f)
        {
            Tirer(sf::Vector2f(-36.f, -12.f), 3.9269908169872414, 2);
            ChangerEtat(4);
        }
        break;
    case 4:
        if (t > 0.3f)
            ChangerEtat(5);
        break;
    case 5:
        if (t > 0.5f)
            ChangerEtat(6);
        break;
    case 6:
        if (t > 0.05f)
        {
            opacite = opacite - 5 < 0 ? 0 : opacite - 5;
            Colorer();
            horloge2.restart();
            if (opacite <= 0)
                ChangerEtat(0);
        }
        break;
    default:
        break;
    }
}

void Cameleon::AnimerEtat()
{
    sprites[0]->FixerImage(0, etat == 3 || etat == 4 ? 1 : 0);
}

Animal* Cameleon::CreerAnimal()
{
    return new Lapin(scene, position, profondeur, 0.f);
}
