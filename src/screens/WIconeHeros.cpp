#include "screens/WIconeHeros.h"

#include "engine/GestionnairePolices.h"
#include "engine/GestionnaireTextures.h"
#include "game/GameOptions.h"
#include "screens/Ecran.h"

#include <SFML/Graphics/RenderTarget.hpp>

WIconeHeros::WIconeHeros(int h) : imageCourante(0), heros(h)
{
    const bool tormundo = heros == 1;
    const float x = tormundo ? 395.f : 245.f;
    sprite.setTexture(GestionnaireTextures::Instance()->Texture(
        tormundo ? "data/png/game/personnages/heros/tormundo.png" : "data/png/game/personnages/heros/vanto.png"));
    sprite.setPosition(x, 240.f);
    sprite.setOrigin(80.f, 80.f);
    Animer();

    nom.setFont(GestionnairePolices::Instance()->Police("data/ttf/nisequorvanto.ttf"));
    nom.setString(tormundo ? "tormundo" : "vanto");
    nom.setCharacterSize(20);
    nom.setFillColor(tormundo ? sf::Color(255, 32, 32, 255) : sf::Color(0, 64, 255, 255));
    const sf::FloatRect b = nom.getLocalBounds();
    nom.setOrigin(b.left + b.width / 2.f, b.top + b.height / 2.f);
    nom.setPosition(x, 295.f);

    Composer();
}

void WIconeHeros::Composer()
{
    cadre.setSize(sf::Vector2f(140.f, 160.f));
    cadre.setOrigin(70.f, 80.f);
    cadre.setPosition(sprite.getPosition());
    cadre.setOutlineThickness(2.f);
    cadre.setFillColor(sf::Color(255, 255, 255, 32));
    cadre.setOutlineColor(sf::Color::White);
}

void WIconeHeros::Animer()
{
    sprite.setTextureRect(sf::IntRect(0, 0, 160, 160));
    if (selectionne)
    {
        // deuxième rangée de la planche : 12 images
        if (horloge.getElapsedTime().asSeconds() > 0.1f)
        {
            imageCourante = imageCourante > 10 ? 0 : imageCourante + 1;
            horloge.restart();
        }
        sprite.setTextureRect(sf::IntRect(imageCourante * 160, 160, 160, 160));
    }
    if (valide)
    {
        const sf::Color c = heros == 1 ? sf::Color(255, 32, 32) : sf::Color(0, 64, 255);
        cadre.setFillColor(sf::Color(c.r, c.g, c.b, 32));
        cadre.setOutlineColor(c);
    }
    else
    {
        cadre.setFillColor(sf::Color::Transparent);
        cadre.setOutlineColor(sf::Color::White);
    }
}

void WIconeHeros::Dessiner(sf::RenderTarget& canvas)
{
    if (valide || selectionne)
        canvas.draw(cadre);
    canvas.draw(sprite);
    canvas.draw(nom);
}

void WIconeHeros::Choisir()
{
    DefinirValide(true);
    GameOptions::Instance()->DefinirHerosChoisi(heros);
}

void WIconeHeros::Confirmer()
{
    Ecran::DemanderEcran(1);
}
