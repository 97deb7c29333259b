#include "screens/EtapeGenerique.h"

#include "engine/GestionnairePolices.h"
#include "engine/GestionnaireTextures.h"

#include <SFML/Graphics/RenderTarget.hpp>

EtapeGenerique::EtapeGenerique(const std::string& t, unsigned int taille, const sf::Color& couleur,
                               const std::string& cheminImage)
    : visible(false)
{
    profondeur = 1.25e9f;
    texte.setString(sf::String::fromUtf8(t.begin(), t.end()));
    texte.setCharacterSize(taille);
    texte.setFillColor(couleur);
    texte.setFont(GestionnairePolices::Instance()->Police("data/ttf/lucon.ttf"));
    texte.setStyle(sf::Text::Bold);
    const sf::FloatRect b = texte.getLocalBounds();
    texte.setOrigin(b.left + b.width / 2.f, b.top + b.height / 2.f);
    texte.setPosition(320.f, 240.f);
    if (!cheminImage.empty())
        DefinirImage(cheminImage);
}

void EtapeGenerique::DefinirImage(const std::string& chemin)
{
    image.setTexture(GestionnaireTextures::Instance()->Texture(chemin), true);
    const sf::FloatRect bi = image.getLocalBounds();
    if (!texte.getString().isEmpty())
    {
        // le texte en haut, l'image dessous, l'ensemble centré
        const sf::FloatRect bt = texte.getLocalBounds();
        image.setOrigin(bi.width / 2.f, 0.f);
        texte.setOrigin(bt.width / 2.f, 0.f);
        const float y = (480.f - (bt.height + bi.height + 32.f)) / 2.f;
        texte.setPosition(320.f, y);
        image.setPosition(320.f, y + 32.f);
    }
    else
    {
        image.setOrigin(bi.width / 2.f, bi.height / 2.f);
        image.setPosition(320.f, 240.f);
    }
}

void EtapeGenerique::Animer()
{
}

void EtapeGenerique::Dessiner(sf::RenderTarget& canvas)
{
    if (!visible)
        return;
    canvas.draw(texte);
    canvas.draw(image);
}
