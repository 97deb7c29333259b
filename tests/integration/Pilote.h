#pragma once

#include "engine/MoteurAudio.h"
#include "engine/MoteurGraphique.h"
#include "engine/PasFixes.h"
#include "engine/SourceTemps.h"
#include "game/AppGame.h"
#include "game/GameOptions.h"
#include "heroes/Heros.h"
#include "shell/MyQtSFMLWindow.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include "Route.h"
#include "screens/Ecran.h"

#include <QFile>

#include <memory>
#include <string>

// Joueur scripté d'une partie entière : il suit la route du niveau courant
// (tests/integration/routes/<n>.route, relue à chaque début ou reprise du niveau) ; sans route,
// droite tenue et saut dès que le héros piétine. Chaque frame passe par l'état de jeu, l'affichage
// et l'horloge d'essai, avec la durée de frame choisie, découpée en pas de jeu comme dans la vraie
// fenêtre.
struct Pilote
{
    const float DT;

    std::unique_ptr<AppGame> app;
    sf::RenderTexture cible;
    Heros* heros = nullptr;
    int choix = 0;
    int frame = 0, sauts = 0;
    int traceTous = 30; // tracer coûte 95 % du temps d'une frame en rendu logiciel
    Route route;
    int niveauRoute = -1;
    std::string erreurRoute;
    PasFixes pasJeu;

    Pilote(int choixHeros, int niveau, float dt = 1.f / 60.f) : DT(dt), choix(choixHeros)
    {
        SourceTemps::Manuel(true);
        MyQtSFMLWindow::DefinirDureeFrame(pasJeu.DureePas());
        GameOptions::Instance()->DefinirHerosChoisi(choixHeros);
        GameOptions::Instance()->DefinirNiveauChoisi(niveau);
        cible.create(640, 480);
        app.reset(new AppGame(nullptr));
        heros = app->Moteur().HerosCourant();
    }
    ~Pilote()
    {
        app.reset();
        MoteurGraphique::Instance()->Vider(true);
        MoteurAudio::Instance()->ArreterTout();
        SourceTemps::Manuel(false);
    }

    static constexpr int ECRAN_AUCUN = -1;

    float Temps() const { return float(frame) * DT; }
    // secondes de jeu depuis le début (ou la reprise) du niveau courant
    float TempsNiveau() const { return Temps() - debutNiveau; }

    // Une frame : les commandes de la route si la partie les prend, puis tout le jeu
    void Frame()
    {
        const int pas = pasJeu.Pas(DT);
        for (int k = 0; k < pas; ++k)
        {
            const bool enJeu = app->Scene().EtatScene() == SCENE_JEU;
            if (enJeu && !enJeuAvant)
                CommencerNiveau();
            enJeuAvant = enJeu;
            if (enJeu && heros && !heros->CommandesBloquees())
            {
                route.Appliquer(*heros, TempsNiveau(), pasJeu.DureePas());
                sauts = route.Sauts();
            }
            app->temps += pasJeu.DureePas();
            app->Executer();
            // une image tracée sur « traceTous » : le reste du passage graphique (animations) a lieu à
            // chaque pas
            const bool tracer = k == pas - 1 && (traceTous <= 1 || frame % traceTous == 0);
            MoteurGraphique::Instance()->Afficher(cible, tracer);
        }
        SourceTemps::Avancer(sf::seconds(DT));
        ++frame;
    }

private:
    void CommencerNiveau()
    {
        debutNiveau = Temps();
        const int n = app->Chargeur().NumeroNiveau();
        const std::string chemin = "tests/integration/routes/" + std::to_string(n) + ".route";
        if (n != niveauRoute)
        {
            niveauRoute = n;
            route.Vider();
            erreurRoute.clear();
            if (QFile::exists(QString::fromStdString(chemin)) && !route.Charger(chemin, choix, &erreurRoute))
                erreurRoute = chemin + " : " + erreurRoute;
        }
        route.Recommencer();
    }

    bool enJeuAvant = false;
    float debutNiveau = 0.f;
};
