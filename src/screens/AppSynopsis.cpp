#include "screens/AppSynopsis.h"

#include "screens/Ecran.h"

#include <SFML/Window/Event.hpp>

#include <sstream>

AppSynopsis::AppSynopsis(MyQtSFMLWindow* c) : Application(c)
{
    fondu.DefinirCouleur(sf::Color(0, 0, 0, 255));
    fondu.DefinirIntervalle(0.025f);
    texte.DefinirTexte(Histoire());
}

std::string AppSynopsis::Histoire()
{
    const std::string vide(70, ' ');
    std::ostringstream s;
    s << "*" << std::string(30, ' ') << "SYNOPSIS" << std::string(30, ' ') << "*\n";
    s << vide << "\n" << vide << "\n";
    s << "   Après de longs mois de recherches, le savant fou est de retour avec\n"
         "un projet plus inquiétant que jamais. Terré dans un laboratoire\n"
         "secret, il a enfin trouvé de quoi relancer ses sombres ambitions.\n";
    s << vide << "\n";
    s << "   Il a construit une machine capable de voyager vers un monde\n"
         "parallèle encore inconnu, une véritable mine d'or pour ses travaux\n"
         "et pour ses inventions les plus sinistres.\n";
    s << vide << "\n";
    s << "   Mais chaque passage d'un monde à l'autre menace un peu plus la\n"
         "cohésion des deux univers, qui pourraient bien ne pas y survivre.\n";
    s << vide << "\n";
    s << "   Avant sa dernière traversée, il a placé la machine sous la garde\n"
         "de son robot SilverVanto 2.0, construit grâce à la technologie du\n"
         "second monde et plus redoutable que tous ses prédécesseurs.\n";
    s << vide << "\n";
    s << "   Accompagné de Tormundo, Vanto doit franchir le passage à son tour,\n"
         "retrouver le savant et mettre fin à son projet avant que l'un des\n"
         "deux mondes ne soit détruit.\n";
    s << vide << "\n";
    s << "   Une fois dans la nouvelle base du savant, nos deux héros devront\n"
         "affronter un univers aussi improbable que menaçant. Le temps presse\n"
         "et l'avenir des deux mondes est désormais entre leurs mains !\n";
    s << vide << "\n" << vide << "\n";
    s << "*" << std::string(68, ' ') << "*";
    return s.str();
}

void AppSynopsis::Executer()
{
}

void AppSynopsis::TraiterEvenement(const sf::Event& evenement)
{
    if (evenement.type == sf::Event::MouseButtonPressed || evenement.type == sf::Event::KeyReleased)
        Ecran::DemanderEcran(1);
}
