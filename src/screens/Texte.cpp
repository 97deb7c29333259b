#include "screens/Texte.h"

#include "engine/GestionnairePolices.h"

#include <SFML/Graphics/RenderTarget.hpp>

Texte::Texte()
{
    profondeur = 1.5e9f;
}

void Texte::DefinirTexte(const std::string& chaine)
{
    // les sources sont en UTF-8 : on décode pour garder les accents
    texte.setString(sf::String::fromUtf8(chaine.begin(), chaine.end()));
    texte.setCharacterSize(14);
    texte.setFillColor(sf::Color::White);
    texte.setFont(GestionnairePolices::Instance()->Police("data/ttf/lucon.ttf"));
    texte.setStyle(sf::Text::Bold);
    const sf::FloatRect b = texte.getLocalBounds();
    texte.setOrigin(b.left, b.height / 2.f);
    texte.setPosition(5.f, 240.f);
}

void Texte::Animer()
{
}

void Texte::Dessiner(sf::RenderTarget& canvas)
{
    canvas.setView(canvas.getDefaultView());
    canvas.draw(texte);
}
