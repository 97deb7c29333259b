#include "engine/MoteurInteractif.h"

#include "engine/EntiteInteractive.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Window/Event.hpp>

#include <algorithm>

void MoteurInteractif::Ajouter(EntiteInteractive* entite)
{
    entites.push_back(entite);
}

void MoteurInteractif::Retirer(EntiteInteractive* entite)
{
    entites.erase(std::remove(entites.begin(), entites.end(), entite), entites.end());
}

void MoteurInteractif::MettreAJour(sf::RenderWindow& canvas, std::deque<sf::Event>* supplement)
{
    for (std::size_t i = 0; i < entites.size(); ++i)
        entites[i]->MettreAJour(canvas);
    sf::Event evenement;
    while (canvas.pollEvent(evenement))
        Distribuer(evenement);
    while (supplement && !supplement->empty())
    {
        evenement = supplement->front();
        supplement->pop_front();
        Distribuer(evenement);
    }
}

void MoteurInteractif::Distribuer(const sf::Event& evenement)
{
    for (std::size_t i = 0; i < entites.size(); ++i)
        entites[i]->TraiterEvenement(evenement);
}

void MoteurInteractif::IgnorerEvenements(sf::RenderWindow& canvas, std::deque<sf::Event>* supplement)
{
    sf::Event evenement;
    while (canvas.pollEvent(evenement))
    {
    }
    if (supplement)
        supplement->clear();
}
