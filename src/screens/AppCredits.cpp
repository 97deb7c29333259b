#include "screens/AppCredits.h"

#include "screens/Ecran.h"

#include <SFML/Window/Event.hpp>

#include <sstream>

AppCredits::AppCredits(MyQtSFMLWindow* c) : Application(c)
{
    fondu.DefinirCouleur(sf::Color(0, 0, 0, 255));
    fondu.DefinirIntervalle(0.025f);
    texte.DefinirTexte(Mentions());
}

std::string AppCredits::Mentions()
{
    std::ostringstream s;
    s << "   Ce jeu n'est pas un jeu officiel.\n"
      << "Il ne peut en aucun cas faire l'objet d'une quelconque vente.\n"
      << "\n"
      << "   Les personnages ainsi que les objets issus de ce jeu\n"
      << "sont la propriété exclusive de l'équipe Vanto & Tormundo.\n"
      << "\n"
      << "------\n"
      << "\n"
      << "DEVELOPPEMENT : l'équipe Vanto & Tormundo\n";
    return s.str();
}

void AppCredits::Executer()
{
}

void AppCredits::TraiterEvenement(const sf::Event& evenement)
{
    if (evenement.type == sf::Event::MouseButtonPressed || evenement.type == sf::Event::KeyReleased)
        Ecran::DemanderEcran(1);
}
