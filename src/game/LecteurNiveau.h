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
    // que si le premier texte est un nombre
    static void LireParametres(const QStringList& textes, int id, float& profondeur, std::vector<float>& parametres);

    // Avertissement d'un paramètre illisible : boîte modale, ou crochet
    // (tests, outils) qui reçoit le titre et le texte
    typedef void (*Avertisseur)(const QString& titre, const QString& texte);
    static void FixerAvertisseur(Avertisseur a) { avertisseur = a; }
    static void Avertir(int id);
    // Écrit sur l'erreur standard au lieu d'ouvrir une boîte
    static void AvertirSurErreurStandard(const QString& titre, const QString& texte);

    static const int TAILLE_MIN_ENREGISTREMENT = 24;

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
