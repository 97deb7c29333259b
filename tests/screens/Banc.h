#pragma once

#include "engine/GestionnaireControleurs.h"
#include "engine/MoteurGraphique.h"
#include "engine/MoteurInteractif.h"
#include "engine/SourceTemps.h"
#include "game/GameOptions.h"
#include "screens/Application.h"
#include "screens/Ecran.h"

#include <QDir>
#include <QTemporaryDir>

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Window/Event.hpp>

#include <gtest/gtest.h>

#include <initializer_list>

// Événements synthétiques
inline sf::Event Appui(sf::Keyboard::Key k)
{
    sf::Event e{};
    e.type = sf::Event::KeyPressed;
    e.key.code = k;
    return e;
}

inline sf::Event Relache(sf::Keyboard::Key k)
{
    sf::Event e{};
    e.type = sf::Event::KeyReleased;
    e.key.code = k;
    return e;
}

inline sf::Event Clic(int x, int y)
{
    sf::Event e{};
    e.type = sf::Event::MouseButtonPressed;
    e.mouseButton.button = sf::Mouse::Left;
    e.mouseButton.x = x;
    e.mouseButton.y = y;
    return e;
}

inline sf::Event BoutonRelache(unsigned int bouton, unsigned int manette = 0)
{
    sf::Event e{};
    e.type = sf::Event::JoystickButtonReleased;
    e.joystickButton.joystickId = manette;
    e.joystickButton.button = bouton;
    return e;
}

inline sf::Event Axe(sf::Joystick::Axis axe, float position, unsigned int manette = 0)
{
    sf::Event e{};
    e.type = sf::Event::JoystickMoved;
    e.joystickMove.joystickId = manette;
    e.joystickMove.axis = axe;
    e.joystickMove.position = position;
    return e;
}

inline void Envoyer(std::initializer_list<sf::Event> evenements)
{
    for (const sf::Event& e : evenements)
        MoteurInteractif::Instance()->Distribuer(e);
}

// Cible de dessin partagée (sous Xvfb)
inline sf::RenderTexture& Cible()
{
    static sf::RenderTexture* rt = [] {
        sf::RenderTexture* r = new sf::RenderTexture();
        r->create(640, 480);
        return r;
    }();
    return *rt;
}

// Une frame comme le canvas la joue : événements, Executer, passe graphique
inline void Frame(Application& app, std::initializer_list<sf::Event> evenements = {}, float dt = 1.f / 60.f)
{
    SourceTemps::Avancer(sf::seconds(dt));
    Envoyer(evenements);
    app.temps += dt;
    app.Executer();
    Cible().clear(sf::Color::Black);
    MoteurGraphique::Instance()->Afficher(Cible());
    Cible().display();
}

inline sf::Color Pixel(unsigned int x, unsigned int y)
{
    return Cible().getTexture().copyToImage().getPixel(x, y);
}

// Chaque test tourne dans un dossier vide (pas de data/), au temps manuel,
// avec les réglages d'origine ; il doit tout désinscrire des moteurs.
class Banc : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ancien = QDir::currentPath();
        ASSERT_TRUE(dossier.isValid());
        QDir::setCurrent(dossier.path());
        SourceTemps::Manuel(true);
        GestionnaireControleurs::Instance()->Reinitialiser();
        GameOptions::Instance()->DefinirHerosChoisi(0);
        GameOptions::Instance()->DefinirNiveauChoisi(0);
        Ecran::DemanderEcran(-1);
        MoteurGraphique::Instance()->Vider(true);
    }

    void TearDown() override
    {
        EXPECT_TRUE(MoteurInteractif::Instance()->Liste().empty());
        EXPECT_TRUE(MoteurGraphique::Instance()->ListeFrame().empty());
        SourceTemps::Manuel(false);
        QDir::setCurrent(ancien);
    }

    QTemporaryDir dossier;
    QString ancien;
};
