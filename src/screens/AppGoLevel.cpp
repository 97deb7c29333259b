#include "screens/AppGoLevel.h"

#include "game/GameOptions.h"
#include "game/LecteurNiveau.h"
#include "screens/WGoLevel.h"

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

AppGoLevel::AppGoLevel(MyQtSFMLWindow* c) : Application(c), menu(GameOptions::Instance()->HerosChoisi())
{
    fondu.DefinirCouleur(sf::Color(0, 0, 0, 255));
    fondu.DefinirIntervalle(0.025f);
    for (const auto& n : ListerNiveaux("data/map/"))
        menu.AjouterWidget(new WGoLevel(n.first, n.second));
}

void AppGoLevel::Executer()
{
    menu.MettreAJourSelection();
}

std::vector<std::pair<int, std::string>> AppGoLevel::ListerNiveaux(const std::string& dossier)
{
    std::vector<std::pair<int, std::string>> niveaux;
    const QString chemin = QString::fromStdString(dossier);
    const QStringList fichiers = QDir(chemin).entryList(QStringList() << "*.map", QDir::Files, QDir::Name);
    for (const QString& nomFichier : fichiers)
    {
        QFile fichier(QDir(chemin).filePath(nomFichier));
        if (!fichier.open(QIODevice::ReadOnly))
            continue;
        QDataStream flux(&fichier);
        flux.setVersion(QDataStream::Qt_4_8);
        flux.setByteOrder(QDataStream::LittleEndian);
        qint32 largeur = 0, hauteur = 0, numero = 0, numeroZone = 0, numeroActe = 0, format = 0;
        QString nomZone;
        flux >> largeur >> hauteur >> numero >> nomZone >> numeroZone >> numeroActe >> format;
        fichier.close();
        // en-tête tronqué, illisible ou hors bornes (numéro démesuré...) : pas d'entrée
        if (flux.status() != QDataStream::Ok)
            continue;
        EnteteNiveau e;
        e.largeur = largeur;
        e.hauteur = hauteur;
        e.numero = numero;
        e.numeroZone = numeroZone;
        e.numeroActe = numeroActe;
        if (!LecteurNiveau::EnteteValide(e))
            continue;
        const QString libelle = nomZone + " : Act " + QString::number(numeroActe);
        niveaux.emplace_back(numero, libelle.toStdString());
    }
    return niveaux;
}
