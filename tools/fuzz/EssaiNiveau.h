#pragma once

#include <QByteArray>
#include <QString>

// Une carte quelconque passe par tout le chemin du jeu : lecture, fabrique, construction de chaque
// élément, carton de titre, puis quelques secondes de jeu avec le héros, sans écran ni son.
namespace EssaiNiveau
{
struct Bilan
{
    int numero = 0;        // numéro sous lequel la carte a été écrite
    bool joue = false;     // la partie a atteint le jeu
    bool titre = false;    // la partie est revenue au titre
    int elements = 0;      // éléments rangés par l'index au chargement
    int frames = 0;        // frames de jeu jouées
};
// dossier : où écrire la carte ; heros : 0 ou 1 ; framesJeu : frames jouées une fois le niveau prêt
Bilan Jouer(const QByteArray& carte, const QString& dossier, int heros, int framesJeu = 120);
}
