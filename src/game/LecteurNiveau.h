#pragma once

#include <QString>
#include <QStringList>

#include <vector>

class QIODevice;

// En-tête d'un fichier de niveau
struct EnteteNiveau
{
    qint32 largeur = 0;
    qint32 hauteur = 0;
    qint32 numero = 0;
    QString nomZone;
    qint32 numeroZone = 0;
    qint32 numeroActe = 0;
    qint32 format = 0;
    qint32 nombre = 0;
};

// Un enregistrement d'élément
struct EnregistrementNiveau
{
    qint32 id = -1;
    double x = 0.0;
    double y = 0.0;
    QStringList textes;
};

// Lecture prudente d'un fichier de niveau (flux Qt 4.6, petit-boutiste) :
// chaque longueur et chaque compte est comparé à ce qui reste du fichier,
// rien n'est alloué au-delà de sa taille.
class LecteurNiveau
{
public:
    // Le périphérique doit être ouvert en lecture ; nom sert aux messages
    LecteurNiveau(QIODevice* fichier, const QString& nom);

    bool LireEntete(EnteteNiveau& entete);
    // Faux à la fin des enregistrements ou sur un fichier abîmé
    bool LireEnregistrement(EnregistrementNiveau& enregistrement);
    // Vrai quand une anomalie a été signalée
    bool EnErreur() const { return erreur; }
    // Enregistrements annoncés mais non lus (fichier abîmé ou tronqué)
    qint64 Restants() const { return restants; }

    // Profondeur et paramètres tirés des textes ; la profondeur n'est changée
    // que si le premier texte est un nombre. Un nombre non fini ou démesuré compte comme
    // un texte illisible (0 dans la liste). Rend le nombre de textes illisibles.
    static int LireParametres(const QStringList& textes, float& profondeur, std::vector<float>& parametres);
    // Position finie et dans les bornes
    static bool PositionValide(const EnregistrementNiveau& r);
    // En-tête dans les bornes ; sinon faux et la raison
    static bool EnteteValide(const EnteteNiveau& e, QString* raison = nullptr);

    // Avertissement des valeurs illisibles d'un chargement (une seule fois par chargement) :
    // boîte non bloquante, ou crochet (tests, outils) qui reçoit le titre et le texte.
    // id : le premier élément fautif ; nombre : toutes les valeurs illisibles du niveau
    typedef void (*Avertisseur)(const QString& titre, const QString& texte);
    static void FixerAvertisseur(Avertisseur a) { avertisseur = a; }
    static void Avertir(int id, int nombre = 1);
    // Écrit sur l'erreur standard au lieu d'ouvrir une boîte
    static void AvertirSurErreurStandard(const QString& titre, const QString& texte);

    static const int TAILLE_MIN_ENREGISTREMENT = 24;
    // Bornes des valeurs lues : au-delà, le fichier ou la valeur est mal formé
    static const int LARGEUR_MIN = 256;
    static const int LARGEUR_MAX = 32768;
    static const int NUMERO_MAX = 999;
    static constexpr double POSITION_MAX = 1e6;
    static constexpr float VALEUR_MAX = 1e6f;

private:
    qint64 Reste() const;
    bool LireEntier(qint32& v);
    bool LireReel(double& v);
    bool LireTexte(QString& s);
    void Signaler(const QString& message);

    QIODevice* fichier;
    QString nom;
    bool erreur;
    qint64 restants;
    static Avertisseur avertisseur;
};
