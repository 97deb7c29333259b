#include "screens/Widget.h"

#include "engine/GestionnaireControleurs.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>
#include <SFML/Window/Mouse.hpp>

#include <cmath>

Widget::Widget() : cadre(sf::Vector2f(0.f, 0.f)), valide(false), selectionne(false)
{
    profondeur = 1.75e9f;
}

void Widget::DefinirValide(bool b)
{
    valide = b;
    if (b)
        horlogeValidation.restart();
}

void Widget::DefinirSelection(bool b)
{
    selectionne = b;
    if (b)
        horlogeSelection.restart();
}

void Widget::MettreAJour(sf::RenderWindow& fenetre)
{
    // la vue de la fenêtre ramène le pointeur dans l'image du jeu (agrandie ou non)
    const sf::Vector2f p = fenetre.mapPixelToCoords(sf::Mouse::getPosition(fenetre));
    Survoler(sf::Vector2i(static_cast<int>(std::floor(p.x)), static_cast<int>(std::floor(p.y))));
}

void Widget::Survoler(const sf::Vector2i& souris)
{
    // boîte du rectangle lui-même, sans le contour
    const float gauche = cadre.getPosition().x - cadre.getOrigin().x;
    const float haut = cadre.getPosition().y - cadre.getOrigin().y;
    const sf::Vector2f taille = cadre.getSize();
    const float x = static_cast<float>(souris.x);
    const float y = static_cast<float>(souris.y);
    if (x > gauche && x < gauche + taille.x && y > haut && y < haut + taille.y)
        DefinirSelection(true); // sortir du cadre ne désélectionne pas
}

void Widget::TraiterEvenement(const sf::Event& evenement)
{
    const GestionnaireControleurs* c = GestionnaireControleurs::Instance();
    bool activation = false;
    if (evenement.type == sf::Event::MouseButtonPressed)
        activation = true;
    else if (evenement.type == sf::Event::KeyReleased)
    {
        const int code = evenement.key.code;
        activation = code == c->Touche(4) || code == c->Touche(5) || code == c->Touche(6) || code == c->Touche(7);
    }
    else if (evenement.type == sf::Event::JoystickButtonReleased)
    {
        const unsigned int b = evenement.joystickButton.button;
        activation = b == c->Bouton(0) || b == c->Bouton(1) || b == c->Bouton(2) || b == c->Bouton(3);
    }
    if (!activation || !selectionne)
        return;
    if (valide)
        Confirmer();
    else
        Choisir();
}
