#include "game/Camera.h"

#include "engine/GestionnaireControleurs.h"
#include "game/SceneGraphique.h"
#include "physics/EntitePhysique.h"
#include "shell/MyQtSFMLWindow.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <cmath>
#include <cstdlib>

namespace
{
const int ACTION_2 = 5;
const int BOUTON_ACTION_2 = 1;
}

Camera::Camera(sf::RenderTarget* canvas_)
    : canvas(canvas_), scene(nullptr), vue(sf::FloatRect(0.f, 0.f, 640.f, 480.f)), suivi(true), cible(nullptr),
      zoneMorteX(32.f), zoneMorteY(64.f), ecartX(0.f), ecartY(0.f), pasX(0.f), pasY(0.f), vitesseSuivi(1920.f),
      vitesseRegard(250.f), amplitudeSecousse(0.f), dureeSecousse(0.f), delaiRegard(1.f)
{
    // le jeu dessine dans l'image du canvas, que la fenêtre montre ensuite agrandie
    canvas = MyQtSFMLWindow::CibleDessin(canvas);
}

Camera::~Camera()
{
    if (canvas)
        canvas->setView(canvas->getDefaultView());
    if (scene && scene->CameraScene() == this)
        scene->FixerCamera(nullptr);
}

void Camera::MettreAJour(sf::RenderWindow&)
{
    if (suivi)
        return;
    if (GestionnaireControleurs::Instance()->Controleur() == GestionnaireControleurs::MANETTE)
        LireManette();
    else
        LireClavier();
}

void Camera::TraiterEvenement(const sf::Event&)
{
}

void Camera::LireClavier()
{
    if (sf::Keyboard::isKeyPressed(sf::Keyboard::Down))
        RegarderBas();
    else if (sf::Keyboard::isKeyPressed(sf::Keyboard::Up))
        RegarderHaut();
    else
        Suivre();
    const int touche = GestionnaireControleurs::Instance()->Touche(ACTION_2);
    if (touche >= 0 && touche < sf::Keyboard::KeyCount &&
        sf::Keyboard::isKeyPressed(static_cast<sf::Keyboard::Key>(touche)))
        suivi = true;
}

void Camera::LireManette()
{
    const float y = sf::Joystick::getAxisPosition(0, sf::Joystick::Y);
    if (y > 1.f)
        RegarderBas();
    else if (y < -1.f)
        RegarderHaut();
    else
        Suivre();
    if (sf::Joystick::isButtonPressed(0, GestionnaireControleurs::Instance()->Bouton(BOUTON_ACTION_2)))
        suivi = true;
}

void Camera::RegarderBas()
{
    if (horlogeRegard.getElapsedTime().asSeconds() > delaiRegard && ecartY > -240.f)
    {
        vue.move(0.f, vitesseRegard * MyQtSFMLWindow::DureeFrame());
        Borner();
    }
}

void Camera::RegarderHaut()
{
    if (horlogeRegard.getElapsedTime().asSeconds() > delaiRegard && ecartY < 240.f)
    {
        vue.move(0.f, -vitesseRegard * MyQtSFMLWindow::DureeFrame());
        Borner();
    }
}

void Camera::Suivre()
{
    suivi = true;
}

void Camera::Lier(SceneGraphique* s)
{
    scene = s;
    if (scene)
        scene->FixerCamera(this);
}

void Camera::FixerSuivi(bool s)
{
    if (s == suivi)
        return;
    suivi = s;
    horlogeRegard.restart();
}

void Camera::FixerCible(EntitePhysique* corps)
{
    cible = corps;
    if (cible)
        vue.setCenter(cible->position);
}

void Camera::Secouer(float amplitude, float duree)
{
    amplitudeSecousse = amplitude;
    dureeSecousse = duree;
    horlogeSecousse.restart();
}

void Camera::DeplacerVue(const sf::Vector2f& v)
{
    vue.move(v);
    Borner();
}

void Camera::Centrer(const sf::Vector2f& point)
{
    vue.setCenter(point);
}

void Camera::Actualiser()
{
    if (canvas)
        canvas->setView(vue);

    if (cible)
    {
        const sf::Vector2f centre = vue.getCenter();
        ecartX = cible->position.x - centre.x;
        ecartY = cible->position.y - centre.y;
        const float distance = std::sqrt(ecartX * ecartX + ecartY * ecartY);
        const float droite = scene ? float(scene->LimiteDroite()) - 320.f : 0.f;
        const float bas = scene ? float(scene->LimiteBas()) - 240.f : 0.f;
        if ((centre.x == 320.f && ecartX < 0.f) || (scene && centre.x == droite && ecartX > 0.f))
            ecartX = 0.f;
        if ((centre.y == 240.f && ecartY < 0.f) || (scene && centre.y == bas && ecartY > 0.f))
            ecartY = 0.f;
        // Cible au centre : pas de direction, pas de pas
        const float dt = MyQtSFMLWindow::DureeFrame();
        pasX = distance > 0.f ? dt * ecartX * vitesseSuivi / distance : 0.f;
        pasY = distance > 0.f ? dt * ecartY * vitesseSuivi / distance : 0.f;
        if (suivi)
        {
            sf::Vector2f pas(0.f, 0.f);
            if (ecartX > zoneMorteX)
                pas.x = std::min(pasX, ecartX - zoneMorteX);
            else if (ecartX < -zoneMorteX)
                pas.x = std::max(pasX, ecartX + zoneMorteX);
            if (ecartY > zoneMorteY)
                pas.y = std::min(pasY, ecartY - zoneMorteY);
            else if (ecartY < -zoneMorteY)
                pas.y = std::max(pasY, ecartY + zoneMorteY);
            vue.move(pas);
        }
    }

    if (amplitudeSecousse > 0.f && horlogeSecousse.getElapsedTime().asSeconds() < dureeSecousse)
    {
        const float A = amplitudeSecousse;
        const float u = float(std::rand() % 32768) / 32767.f, v = float(std::rand() % 32768) / 32767.f;
        vue.move(u * 2.f * A - A, v * 2.f * A - A);
    }
    else
    {
        amplitudeSecousse = 0.f;
        dureeSecousse = 0.f;
    }

    Borner();
}

void Camera::Borner()
{
    sf::Vector2f c = vue.getCenter();
    const sf::Vector2f t = vue.getSize();
    if (scene)
    {
        if (float(scene->LimiteGauche()) > c.x - t.x / 2.f)
            c.x = float(scene->LimiteGauche()) + 320.f;
        else if (c.x + t.x / 2.f > float(scene->LimiteDroite()))
            c.x = float(scene->LimiteDroite()) - 320.f;
    }
    if (c.y - t.y / 2.f < 0.f)
        c.y = 240.f;
    else if (scene && c.y + t.y / 2.f > float(scene->LimiteBas()))
        c.y = float(scene->LimiteBas()) - 240.f;
    vue.setCenter(c);
}
