#include "screens/AppDemarrage.h"

#include "engine/GestionnaireAudio.h"
#include "engine/GestionnaireControleurs.h"
#include "engine/MoteurAudio.h"
#include "screens/Ecran.h"
#include "screens/EtapeGenerique.h"

#include <SFML/Window/Event.hpp>

AppDemarrage::AppDemarrage(MyQtSFMLWindow* c) : Application(c), chargeur(c)
{
    // pas de fondu propre à cet état
    fondu.DefinirCouleur(sf::Color(0, 0, 255, 255));
    fondu.DefinirIntervalle(0.f);

    const sf::Color blanc = sf::Color::White;
    generique.AjouterEtape(new EtapeGenerique("CHARGEMENT...", 14, blanc));
    generique.AjouterEtape(new EtapeGenerique("  CE JEU N'EST PAS UN JEU OFFICIEL  \n"
                                              "ET NE PEUT FAIRE L'OBJET D'UNE VENTE",
                                              14, sf::Color(255, 32, 0, 255)));
    generique.AjouterEtape(new EtapeGenerique("LES PERSONNAGES SONT LA PROPRIÉTÉ DE L'ÉQUIPE VANTO & TORMUNDO", 14,
                                              blanc, "data/png/logos/quor.png"));
    generique.AjouterEtape(new EtapeGenerique("PROGRAMME DÉVELOPPÉ A L'AIDE DE LA LIBRAIRIE", 14, blanc,
                                              "data/png/logos/sfml.png"));
    generique.AjouterEtape(new EtapeGenerique("   FAN GAME   \n"
                                              "              \n"
                                              "      by      \n"
                                              "L'ÉQUIPE VANTO & TORMUNDO",
                                              16, blanc));
}

void AppDemarrage::Executer()
{
    // le chargement a lieu pendant que « CHARGEMENT... » est affiché
    if (generique.Phase() == 1)
        chargeur.Charger();
    if (generique.Etape() == 1 && generique.Phase() == 2)
        MoteurAudio::Instance()->JouerMusique(
            GestionnaireAudio::Instance()->Musique("data/ogg/musics/accueil.ogg", false));
    if (!generique.EnCours())
        Ecran::DemanderEcran(1);
}

void AppDemarrage::TraiterEvenement(const sf::Event& evenement)
{
    const bool passer = evenement.type == sf::Event::MouseButtonPressed ||
                        (evenement.type == sf::Event::KeyReleased &&
                         evenement.key.code == GestionnaireControleurs::Instance()->Touche(7));
    if (passer && chargeur.Charge())
        Ecran::DemanderEcran(1);
}
