#include "screens/Generique.h"

#include "screens/EtapeGenerique.h"

#include <SFML/Graphics/RenderTarget.hpp>

Generique::Generique()
    : enCours(true), voile(sf::Vector2f(640.f, 480.f)), etape(0), phase(0)
{
    profondeur = 1.5e9f;
    voile.setPosition(0.f, 0.f);
    voile.setFillColor(sf::Color::Black);
}

Generique::~Generique()
{
    for (EtapeGenerique* e : etapes)
        delete e;
}

void Generique::AjouterEtape(EtapeGenerique* e)
{
    etapes.push_back(e);
    etapes.front()->visible = true;
}

void Generique::Animer()
{
    if (horloge.getElapsedTime().asSeconds() <= 0.015f)
        return;
    sf::Color c = voile.getFillColor();
    switch (phase)
    {
    case 0: // le voile s'éclaircit
        horloge.restart();
        c.a = static_cast<sf::Uint8>(c.a >= 5 ? c.a - 5 : 0);
        voile.setFillColor(c);
        if (c.a == 0)
            phase = 1;
        break;
    case 1: // carte tenue une seconde
        if (horloge.getElapsedTime().asSeconds() > 1.f)
        {
            horloge.restart();
            phase = 2;
        }
        break;
    case 2: // le voile s'assombrit
        horloge.restart();
        c.a = static_cast<sf::Uint8>(c.a <= 250 ? c.a + 5 : 255);
        voile.setFillColor(c);
        if (c.a == 255)
            phase = 3;
        break;
    default: // carte suivante
        if (etape + 1 < static_cast<int>(etapes.size()))
        {
            etapes[etape]->visible = false;
            ++etape;
            etapes[etape]->visible = true;
            phase = 0;
        }
        else
            enCours = false;
        break;
    }
}

void Generique::Dessiner(sf::RenderTarget& canvas)
{
    canvas.draw(voile);
}
