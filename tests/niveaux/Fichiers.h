#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <vector>

// Écriture de cartes à la main, octet par octet comme le jeu les lit
struct Carte
{
    QByteArray octets;
    QDataStream flux;

    Carte() : flux(&octets, QIODevice::WriteOnly)
    {
        flux.setVersion(QDataStream::Qt_4_6);
        flux.setByteOrder(QDataStream::LittleEndian);
    }
    Carte& Entete(int largeur, int hauteur, int numero, int nombre, int format = 1287, int zone = 1)
    {
        flux << qint32(largeur) << qint32(hauteur) << qint32(numero) << QString("Essai") << qint32(zone)
             << qint32(2) << qint32(format) << qint32(nombre);
        return *this;
    }
    Carte& Element(int id, double x, double y, const QStringList& textes = QStringList())
    {
        flux << qint32(id) << x << y << qint32(textes.size());
        for (const QString& t : textes)
            flux << t;
        return *this;
    }
    Carte& Entier(qint32 v)
    {
        flux << v;
        return *this;
    }
};

inline bool Ecrire(const QString& chemin, const QByteArray& octets)
{
    QFile f(chemin);
    return f.open(QIODevice::WriteOnly) && f.write(octets) == octets.size();
}
