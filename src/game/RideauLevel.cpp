#include "game/RideauLevel.h"

#include "engine/GestionnairePolices.h"
#include "engine/GestionnaireTextures.h"
#include "engine/MoteurGraphique.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>

RideauLevel::RideauLevel() : etatRideau(0), pas(16), metronome(sf::seconds(1.f / 60.f))
{
    profondeur = 2.0e9f;
    MoteurGraphique::Instance()->AjouterPermanent(this);
    rideau.setTexture(GestionnaireTextures::Instance()->Texture("data/png/accueil/rideau.png"), true);
    bandeau.setTexture(GestionnaireTextures::Instance()->Texture("data/png/accueil/bandeau.png"), true);
    sf::Font& police = GestionnairePolices::Instance()->Police("data/ttf/nisequorvanto.ttf");
    texteZone.setFont(police);
    texteZone.setCharacterSize(28);
    texteActe.setFont(police);
    texteActe.setCharacterSize(28);
}

RideauLevel::~RideauLevel()
{
}

void RideauLevel::Preparer(const std::string& zone, int acte)
{
    texteZone.setString(sf::String::fromUtf8(zone.begin(), zone.end()) + "\nZONE");
    texteActe.setString("act " + std::to_string(acte));
}

void RideauLevel::Demarrer()
{
    rideau.setPosition(0.f, -480.f);
    bandeau.setPosition(-bandeau.getGlobalBounds().width, 0.f);
    texteZone.setPosition(-texteZone.getGlobalBounds().width, 200.f);
    texteActe.setPosition(960.f, 245.f);
    pas = 16;
    Passer(1);
}

void RideauLevel::Terminer()
{
    rideau.setPosition(0.f, 0.f);
    bandeau.setPosition(0.f, 0.f);
    pas = -16;
    Passer(11);
}

void RideauLevel::Passer(int etat)
{
    etatRideau = etat;
    horlogePas.restart();
    metronome.Reprendre();
}

float RideauLevel::BordBandeau() const
{
    const sf::FloatRect b = bandeau.getGlobalBounds();
    return b.left + b.width;
}

bool RideauLevel::TextesPartis() const
{
    const sf::FloatRect z = texteZone.getGlobalBounds(), a = texteActe.getGlobalBounds();
    return z.left + z.width <= 0.f && a.left >= 640.f;
}

// Un pas de glissement de l'état donné. Chaque arrêt est borné à sa cible : elle est atteinte
// quelles que soient les largeurs.
void RideauLevel::PasDepart(int etat)
{
    const float p = float(pas);
    switch (etat)
    {
    case 1:
        rideau.setPosition(0.f, std::min(rideau.getPosition().y + p, 0.f));
        if (rideau.getPosition().y == 0.f)
            Passer(2);
        break;
    case 2:
        bandeau.setPosition(std::min(bandeau.getPosition().x + p, 0.f), bandeau.getPosition().y);
        if (bandeau.getPosition().x == 0.f)
            Passer(3);
        break;
    case 3:
    {
        const float cibleZone = BordBandeau() + 8.f, cibleActe = BordBandeau() + 96.f;
        const sf::Vector2f z = texteZone.getPosition(), a = texteActe.getPosition();
        texteZone.setPosition(std::min(z.x + p, cibleZone), z.y);
        texteActe.setPosition(std::max(a.x - p, cibleActe), a.y);
        if (texteActe.getPosition().x <= cibleActe)
            Passer(4);
        break;
    }
    case 11:
        // les textes partent les premiers, rideau baissé : une fois le rideau levé, rien ne reste sur le jeu
        if (!TextesPartis())
        {
            texteZone.move(-16.f, 0.f);
            texteActe.setPosition(std::min(texteActe.getPosition().x + 16.f, 960.f), texteActe.getPosition().y);
        }
        break;
    case 12:
    {
        const float cible = -bandeau.getGlobalBounds().width;
        bandeau.setPosition(std::max(bandeau.getPosition().x + p, cible), bandeau.getPosition().y);
        if (bandeau.getPosition().x == cible)
            Passer(13);
        break;
    }
    case 13:
        rideau.setPosition(rideau.getPosition().x, std::max(rideau.getPosition().y + p, -480.f));
        if (rideau.getPosition().y == -480.f)
            Passer(14);
        break;
    case 15:
        Passer(16);
        break;
    default:
        break;
    }
}

// Les glissements vont d'un pas par 1/60 s : une frame longue en fait plusieurs, une courte aucun,
// et le carton dure autant à toute cadence.
void RideauLevel::Animer()
{
    const float e = horlogePas.getElapsedTime().asSeconds();
    switch (etatRideau)
    {
    case 4:
        if (e > 0.25f)
            Passer(5);
        return;
    case 11:
        if (e > 1.f && TextesPartis())
        {
            Passer(12);
            return;
        }
        break;
    case 14:
        if (e > 1.f)
            Passer(15);
        return;
    default:
        break;
    }
    const int etat = etatRideau;
    const int n = metronome.Pas();
    for (int i = 0; i < n && etatRideau == etat; ++i)
        PasDepart(etat);
}

void RideauLevel::Dessiner(sf::RenderTarget& canvas)
{
    if (etatRideau < 1 || etatRideau > 15)
        return;
    canvas.setView(canvas.getDefaultView());
    canvas.draw(rideau);
    canvas.draw(bandeau);
    texteZone.setFillColor(sf::Color::Black);
    texteActe.setFillColor(sf::Color::Black);
    canvas.draw(texteZone);
    canvas.draw(texteActe);
    texteZone.move(-2.f, -2.f);
    texteActe.move(-2.f, -2.f);
    texteZone.setFillColor(sf::Color::White);
    texteActe.setFillColor(sf::Color::Yellow);
    canvas.draw(texteZone);
    canvas.draw(texteActe);
    texteZone.move(2.f, 2.f);
    texteActe.move(2.f, 2.f);
}
