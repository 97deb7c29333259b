#pragma once

#include "game/LecteurNiveau.h"

#include <QString>
#include <QStringList>

#include <vector>

class QIODevice;

// Un élément d'une source de niveau (tuile de la grille ou ligne "objet")
struct ElementSource
{
    qint32 id = -1;
    double x = 0.0;
    double y = 0.0;
    QStringList textes;
};

// Niveau lu depuis sa source texte
struct NiveauSource
{
    EnteteNiveau entete;
    std::vector<ElementSource> elements;
};

// Source de niveau (levels/N.niv), texte UTF-8, "#" suivi d'un blanc commente la fin de ligne :
//   largeur 7936 / hauteur 1568 / numero 1 / zone "Val des Brises" / numero_zone 1 / acte 1
//   [format 1287]
//   legende            une ligne par caractère de la grille :
//     <car> [@dx,dy] <genre ou nom> [textes...] [+ [@dx,dy] <genre> [textes...]]...
//   fin
//   grille [ligne de départ]   une ligne de texte par rangée de cases de 128 px ;
//     la case (c, l) pose ses pièces au centre (128c + 64 + dx, 128l + 64 + dy) ;
//     ".", "-" et " " sont vides
//   fin
//   objet <genre ou nom> <x> <y> [textes...]   un enregistrement, tel quel
// Les textes sont ceux du fichier : le premier, s'il est un nombre, est la profondeur ;
// "@nul" écrit un texte nul. La description d'une carte (dump) est elle-même une source.
namespace SourceNiveau
{
// Faux avec un message (numéro de ligne compris) si la source est mal formée
bool Lire(const QString& texte, NiveauSource& niveau, QString& erreur);
// Carte binaire écrite par le flux de données de Qt, tel que le jeu le lit
bool Ecrire(const NiveauSource& niveau, QIODevice* sortie);
// Texte lisible d'une carte ; c'est lui-même une source valide (sans grille)
QString Decrire(QIODevice* carte, const QString& nom, bool* ok = nullptr);
// Genre d'un nom de la table ("boucle", "sol"...) ou d'un nombre ; 0 si inconnu
qint32 Genre(const QString& mot, bool* ok = nullptr);

// Vérification d'une carte chargée par le chargeur du jeu
struct Bilan
{
    int numero = 0;
    bool lisible = false;   // fichier ouvert et sans anomalie
    bool enTete = false;    // format et numéro attendus
    QString zone;
    int acte = 0;
    int largeur = 0, hauteur = 0;
    int elements = 0;       // éléments rangés dans l'index
    int horsNiveau = 0;     // détruits par l'index
    std::vector<int> inconnus;
    float departX = 0.f, departY = 0.f;
    bool departSurSol = false;
    bool bon = false;
};
Bilan Verifier(const QString& dossier, int numero);
QString DecrireBilan(const Bilan& b);
// Découpe une ligne en mots, les guillemets groupent
QStringList Mots(const QString& ligne);
}
