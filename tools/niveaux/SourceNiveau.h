#pragma once

#include "game/LecteurNiveau.h"

#include <QString>
#include <QStringList>

#include <set>
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
    std::set<qint32> genres;      // genres posés (une clé par genre de la table), décor de zone compris
    int anneaux = 0, checkpoints = 0, fins = 0;
    QStringList enterres;         // objets dont la position est dans le terrain
    QStringList finsSansSol;      // panneaux de fin sans assez de sol plat après eux
    QStringList fentes;           // moniteurs à moins d'un héros d'un mur : qui tombe entre eux s'y coince
    bool bon = false;
};
Bilan Verifier(const QString& dossier, int numero);
QString DecrireBilan(const Bilan& b);

// Sol plat demandé après un panneau de fin : le héros y court pendant le bilan
const int SOL_APRES_FIN = 1280;
// Règles de l'ensemble, qu'on active quand tous les actes sont là
struct Regles
{
    bool genres = false;  // chaque genre de la table posé au moins une fois
    bool actes = false;   // actes 1, 2, 4 et 5 : anneaux et points de passage
};
// Une clé par genre de la table (toute la plage des plates-formes compte pour un)
const std::vector<qint32>& GenresDeLaTable();
qint32 CleGenre(qint32 id);
QString NomGenre(qint32 cle);
// Problèmes de l'ensemble selon les règles actives ; vide si tout va bien
QStringList VerifierEnsemble(const std::vector<Bilan>& bilans, const Regles& regles);
// Découpe une ligne en mots, les guillemets groupent
QStringList Mots(const QString& ligne);
}
