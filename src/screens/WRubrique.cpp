#include "screens/WRubrique.h"

#include "engine/GestionnairePolices.h"
#include "screens/Ecran.h"

#include <SFML/Graphics/RenderTarget.hpp>

WRubrique::WRubrique(int c) : cible(c)
{
    texte.setFont(GestionnairePolices::Instance()->Police("data/ttf/vantotitlefont.ttf"));
    switch (cible)
    {
    case 5: texte.setString("jouer"); texte.setPosition(320.f, 400.f); break;
    case 2: texte.setString("personnage"); texte.setPosition(320.f, 425.f); break;
    case 3: texte.setString("synopsis"); texte.setPosition(320.f, 450.f); break;
    case 4: texte.setString("credits"); texte.setPosition(320.f, 475.f); break;
    default: break;
    }
    Composer();
}

void WRubrique::Composer()
{
    cadre.setSize(sf::Vector2f(128.f, 24.f));
    cadre.setOrigin(64.f, 12.f);
    cadre.setPosition(texte.getPosition());
    cadre.setOutlineThickness(2.f);
    cadre.setFillColor(sf::Color(0, 128, 32, 0));
    cadre.setOutlineColor(sf::Color(0, 192, 32, 0));
}

void WRubrique::Animer()
{
    if (selectionne)
    {
        texte.setFillColor(sf::Color(255, 224, 0, 255));
        texte.setCharacterSize(9);
    }
    else
    {
        texte.setFillColor(sf::Color::White);
        texte.setCharacterSize(6);
    }
    const sf::FloatRect b = texte.getLocalBounds();
    texte.setOrigin(b.width / 2.f, b.height / 2.f);
}

void WRubrique::Dessiner(sf::RenderTarget& canvas)
{
    canvas.setView(canvas.getDefaultView());
    if (selectionne)
        canvas.draw(cadre);
    canvas.draw(texte);
}

void WRubrique::Choisir()
{
    Ecran::DemanderEcran(cible);
}

void WRubrique::Confirmer()
{
    Ecran::DemanderEcran(cible);
}
