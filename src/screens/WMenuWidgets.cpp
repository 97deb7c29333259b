#include "screens/WMenuWidgets.h"

#include "engine/GestionnaireControleurs.h"
#include "screens/Widget.h"

#include <SFML/Window/Event.hpp>
#include <SFML/Window/Joystick.hpp>

WMenuWidgets::WMenuWidgets(int i) : premierPassage(true), indice(i)
{
}

WMenuWidgets::~WMenuWidgets()
{
    for (Widget* w : widgets)
        delete w;
}

void WMenuWidgets::AjouterWidget(Widget* w)
{
    widgets.push_back(w);
}

void WMenuWidgets::BornerIndice()
{
    // un indice initial hors de la liste est ramené sur le dernier élément
    const int n = static_cast<int>(widgets.size());
    if (indice >= n)
        indice = n - 1;
    if (indice < 0)
        indice = 0;
}

void WMenuWidgets::Precedent()
{
    if (widgets.empty())
        return;
    BornerIndice();
    if (indice > 0)
    {
        widgets[indice]->DefinirSelection(false);
        --indice;
        widgets[indice]->DefinirSelection(true);
    }
}

void WMenuWidgets::Suivant()
{
    if (widgets.empty())
        return;
    BornerIndice();
    if (indice < static_cast<int>(widgets.size()) - 1)
    {
        widgets[indice]->DefinirSelection(false);
        ++indice;
        widgets[indice]->DefinirSelection(true);
    }
}

void WMenuWidgets::TraiterEvenement(const sf::Event& evenement)
{
    const GestionnaireControleurs* c = GestionnaireControleurs::Instance();
    if (evenement.type == sf::Event::KeyPressed)
    {
        const int code = evenement.key.code;
        if (code == c->Touche(0) || code == c->Touche(2))
            Precedent();
        else if (code == c->Touche(1) || code == c->Touche(3))
            Suivant();
    }
    else if (evenement.type == sf::Event::JoystickMoved && evenement.joystickMove.joystickId == 0 &&
             (evenement.joystickMove.axis == sf::Joystick::PovX || evenement.joystickMove.axis == sf::Joystick::PovY))
    {
        if (evenement.joystickMove.position < -99.f)
            Precedent();
        else if (evenement.joystickMove.position > 99.f)
            Suivant();
    }
}

void WMenuWidgets::MettreAJourSelection()
{
    if (widgets.empty())
        return;
    BornerIndice();
    if (premierPassage)
    {
        widgets[indice]->DefinirValide(true);
        widgets[indice]->DefinirSelection(true);
        premierPassage = false;
        return;
    }
    // le plus récemment choisi et le plus récemment surligné ; à égalité de temps
    // (deux pas dans la même frame), l'entrée où le menu s'est arrêté l'emporte
    const std::size_t courant = static_cast<std::size_t>(indice);
    std::size_t choisi = 0;
    std::size_t surligne = 0;
    for (std::size_t i = 1; i < widgets.size(); ++i)
    {
        if (widgets[i]->TempsDepuisValidation() < widgets[choisi]->TempsDepuisValidation())
            choisi = i;
        const float t = widgets[i]->TempsDepuisSelection();
        const float meilleur = widgets[surligne]->TempsDepuisSelection();
        if (t < meilleur || (t == meilleur && i == courant))
            surligne = i;
    }
    for (Widget* w : widgets)
    {
        w->DefinirValide(false);
        w->DefinirSelection(false);
    }
    indice = static_cast<int>(surligne);
    widgets[choisi]->DefinirValide(true);
    widgets[surligne]->DefinirSelection(true);
}
