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

// Source de niveau : en-tête par mots-clés, légende, grille de tuiles de 128 px, objets.
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
