#pragma once

#include "game/RideauLevel.h"

#include <QString>

class SceneGraphique;
class GameEngine;
class IAEngine;
class GameInfos;
class Camera;

// Chargement d'un niveau par étapes, au rythme du carton de titre.
class LevelManager
{
public:
    // infos peut être nul (pas encore d'affichage tête haute)
    LevelManager(SceneGraphique* scene, GameEngine* moteur, IAEngine* ia, GameInfos* infos);
    virtual ~LevelManager();

    // n est le numéro du niveau précédent (borné : hors du fichier, aucun numéro ne déborde)
    void FixerNiveau(int n) { numeroNiveau = n < -1 ? -1 : n > NUMERO_MAX ? NUMERO_MAX : n; }
    // Niveau choisi (liste des niveaux, portail) : chargé au prochain passage, même s'il n'est pas
    // le suivant ; absent ou hors bornes, la partie revient au titre
    void ChoisirNiveau(int n);
    int NumeroNiveau() const { return numeroNiveau; }
    void Charger();
    bool LireEntete();
    void PreparerRideau();
    bool LireElements();

    int Etape() const { return etape; }
    int LargeurLue() const { return largeurLue; }
    int HauteurLue() const { return hauteurLue; }
    int NumeroLu() const { return numeroLu; }
    const QString& NomZone() const { return nomZone; }
    int NumeroZone() const { return numeroZone; }
    int NumeroActe() const { return numeroActe; }
    int FormatLu() const { return formatLu; }
    RideauLevel& Rideau() { return rideau; }
    // Caméra centrée sur le départ tant qu'il n'y a pas de héros
    void FixerCamera(Camera* c) { camera = c; }

    // Dossier des fichiers de niveau ("data/map/")
    static void FixerDossier(const QString& d) { dossier = d; }
    static const QString& Dossier() { return dossier; }
    // écran du générique, montré quand le dernier niveau est fini
    static constexpr int ECRAN_GENERIQUE = 4;
    // écran du titre, où revient une partie dont le niveau ne peut pas se charger
    static constexpr int ECRAN_TITRE = 1;
    static constexpr int NUMERO_MAX = 999;
    static QString Chemin(int n) { return dossier + QString::number(n) + ".map"; }

    static const int FORMAT = 1287;

private:
    SceneGraphique* scene;
    GameEngine* moteur;
    IAEngine* ia;
    GameInfos* infos;
    RideauLevel rideau;
    int numeroNiveau;
    int formatAttendu;
    int etape;
    int largeurLue, hauteurLue, numeroLu;
    QString nomZone;
    int numeroZone, numeroActe, formatLu;
    Camera* camera;
    bool choisi;      // le prochain niveau est un choix, pas la suite
    bool abandon;     // niveau impossible à charger : la partie attend le retour au titre
    static QString dossier;

    void Abandonner(const QString& raison);
};
