#pragma once

#include "engine/MoteurAudio.h"
#include "engine/MoteurGraphique.h"
#include "engine/SourceTemps.h"
#include "game/AppGame.h"
#include "game/GameOptions.h"
#include "heroes/Heros.h"
#include "shell/MyQtSFMLWindow.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <memory>

// Joueur scripté d'une partie entière : droite tenue, et un saut tenu 0,35 s dès que le héros
// piétine depuis 0,4 s ; chaque frame passe par l'état de jeu, l'affichage et l'horloge d'essai.
struct Pilote
{
    static constexpr float DT = 1.f / 60.f;

    std::unique_ptr<AppGame> app;
    sf::RenderTexture cible;
    Heros* heros = nullptr;
    int frame = 0, sauts = 0;

    Pilote(int choixHeros, int niveau)
    {
        SourceTemps::Manuel(true);
        MyQtSFMLWindow::DefinirDureeFrame(DT);
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

    float Temps() const { return float(frame) * DT; }

    // Une frame : les commandes du joueur si la partie les prend, puis tout le jeu
    void Frame()
    {
        const float t = Temps();
        Heros& h = *heros;
        if (app->Scene().EtatScene() == SCENE_JEU && !h.CommandesBloquees())
        {
            h.Droite();
            if (t - tRepere > 0.4f && h.position.x - xRepere < 24.f && t - tSaut > 0.9f)
            {
                tSaut = t;
                ++sauts;
            }
            if (t - tSaut < 0.35f)
                h.SautMaintenu();
            else
                h.SautRelache();
        }
        if (t - tRepere > 0.4f)
        {
            xRepere = h.position.x;
            tRepere = t;
        }
        app->temps += DT;
        app->Executer();
        MoteurGraphique::Instance()->Afficher(cible);
        SourceTemps::Avancer(sf::seconds(DT));
        ++frame;
    }

private:
    float xRepere = 0.f, tRepere = 0.f, tSaut = -10.f;
};
