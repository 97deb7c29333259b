#include "screens/WGoLevel.h"

#include "engine/GestionnairePolices.h"
#include "game/GameOptions.h"
#include "screens/Ecran.h"

#include <SFML/Graphics/RenderTarget.hpp>

WGoLevel::WGoLevel(int n, const std::string& libelle) : niveau(n)
{
    texte.setFont(GestionnairePolices::Instance()->Police("data/ttf/lucon.ttf"));
    texte.setCharacterSize(15);
    texte.setFillColor(sf::Color::Black);
    texte.setStyle(sf::Text::Bold);
    texte.setString(sf::String::fromUtf8(libelle.begin(), libelle.end()));
    const sf::FloatRect b = texte.getLocalBounds();
    texte.setOrigin(b.left + b.width / 2.f, b.top + b.height / 2.f);
    // une rangée de 20 pixels par numéro de niveau
    texte.setPosition(320.f, 100.f + 20.f * static_cast<float>(niveau));
    Composer();
}

void WGoLevel::Composer()
{
    cadre.setSize(sf::Vector2f(640.f, 20.f));
    cadre.setOrigin(320.f, 10.f - 2.f);
    cadre.setPosition(texte.getPosition());
    cadre.setOutlineThickness(1.f);
    cadre.setFillColor(sf::Color(0, 0, 0, 0));
    cadre.setOutlineColor(sf::Color(0, 0, 0, 0));
}

void WGoLevel::Animer()
{
    texte.setFillColor(selectionne ? sf::Color(255, 128, 0, 255) : sf::Color::White);
}

void WGoLevel::Dessiner(sf::RenderTarget& canvas)
{
    if (selectionne)
        canvas.draw(cadre);
    canvas.draw(texte);
}

void WGoLevel::Choisir()
{
    GameOptions::Instance()->DefinirNiveauChoisi(niveau);
    Ecran::DemanderEcran(5);
}

void WGoLevel::Confirmer()
{
    Choisir();
}
