#pragma once

#include "Pilote.h"

#include "game/GameInfos.h"
#include "game/LevelManager.h"

#include <algorithm>
#include <vector>

// Ce qu'un parcours scripté a vu d'un acte (ou d'une suite d'actes)
struct ResultatActe
{
    int morts = 0, sauts = 0;
    float xMax = 0.f;
    float secondes = 0.f;   // temps de jeu jusqu'au panneau (ou à la capsule) du dernier acte joué
    float tempsTotal = 0.f; // temps de jeu de tout le parcours
    bool finActe = false;
    int scoreActe = -1, anneauxActe = 0; // au panneau
    float tempsActe = 0.f;               // chrono du niveau au panneau
    int anneauxBilan = -1, scoreBilan = -1;
    int niveauSuivant = 0;    // niveau chargé après le dernier acte joué
    bool generique = false;   // la partie a demandé le générique
    std::vector<int> niveaux;            // niveaux joués, dans l'ordre
    std::vector<float> debutsNiveaux;    // temps de jeu au début de chacun
    std::vector<int> sautsNiveaux;       // sauts commandés au début de chacun
    // pour chaque acte fini : temps de jeu jusqu'au panneau (ou à la capsule) et sauts commandés
    std::vector<int> actesFinis;
    std::vector<float> secondesActes;
    std::vector<int> sautsActes;
    std::string erreurRoute;
};

// Joue à partir du niveau donné jusqu'à ce que le niveau « arret » se charge (0 : le premier niveau
// qui suit ; -1 : aucun, la partie continue), que le générique soit demandé, ou que la limite de
// temps de jeu passe.
inline ResultatActe JouerActe(int heros, int niveau, float limiteSecondes, float dt = 1.f / 60.f, int arret = 0)
{
    ResultatActe r;
    // aucun écran demandé : le générique se verra
    Ecran::DemanderEcran(Pilote::ECRAN_AUCUN);
    Pilote pilote(heros, niveau, dt);
    Heros* h = pilote.heros;
    if (!h)
        return r;
    AppGame& app = *pilote.app;
    int vies = h->Vies();
    int courant = -1;
    float debutActe = 0.f;
    int sautsDebut = 0;
    bool finVue = false;
    while (pilote.Temps() < limiteSecondes)
    {
        pilote.Frame();
        const int n = app.Chargeur().NumeroNiveau();
        const int etat = app.Scene().EtatScene();
        if (etat == SCENE_JEU && n != courant)
        {
            // un nouveau niveau commence
            if (courant >= 0 && ((arret == 0) || n == arret))
            {
                r.niveauSuivant = n;
                break;
            }
            courant = n;
            r.niveaux.push_back(n);
            r.debutsNiveaux.push_back(pilote.Temps());
            r.sautsNiveaux.push_back(pilote.sauts);
            debutActe = pilote.Temps();
            sautsDebut = pilote.sauts;
            finVue = false;
            r.anneauxBilan = r.scoreBilan = -1;
        }
        if (h->Vies() < vies)
            ++r.morts;
        vies = h->Vies();
        if (etat == SCENE_JEU)
            r.xMax = std::max(r.xMax, h->position.x);
        if (!finVue && etat == SCENE_FIN_ACTE)
        {
            finVue = r.finActe = true;
            r.secondes = pilote.Temps() - debutActe;
            r.scoreActe = h->Score();
            r.anneauxActe = h->Anneaux();
            r.tempsActe = app.Infos().TempsNiveau();
            r.actesFinis.push_back(n);
            r.secondesActes.push_back(r.secondes);
            r.sautsActes.push_back(pilote.sauts - sautsDebut);
        }
        // les anneaux comptés par le bilan, puis le score une fois le bilan fini
        if (finVue && r.anneauxBilan < 0 && app.Infos().EtapeResultats() > 3)
            r.anneauxBilan = h->Anneaux();
        if (finVue && r.scoreBilan < 0 && etat != SCENE_FIN_ACTE)
            r.scoreBilan = h->Score();
        if (Ecran::EcranDemande() == LevelManager::ECRAN_GENERIQUE)
        {
            r.generique = true;
            break;
        }
    }
    r.sauts = pilote.sauts;
    r.tempsTotal = pilote.Temps();
    r.erreurRoute = pilote.erreurRoute;
    return r;
}
