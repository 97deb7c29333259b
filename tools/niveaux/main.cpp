// Outil des niveaux :
//   niveaux compile <source.niv> <sortie.map>
//   niveaux dump <carte.map>
//   niveaux verifie <dossier des cartes> [n ...]
#include "SourceNiveau.h"

#include "game/LecteurNiveau.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

#include <iostream>

namespace
{
int Compiler(const QString& source, const QString& sortie)
{
    QFile f(source);
    if (!f.open(QIODevice::ReadOnly))
    {
        std::cerr << "Impossible de lire " << source.toStdString() << std::endl;
        return 1;
    }
    NiveauSource n;
    QString erreur;
    if (!SourceNiveau::Lire(QString::fromUtf8(f.readAll()), n, erreur))
    {
        std::cerr << source.toStdString() << " : " << erreur.toStdString() << std::endl;
        return 1;
    }
    QSaveFile s(sortie);
    if (!s.open(QIODevice::WriteOnly) || !SourceNiveau::Ecrire(n, &s) || !s.commit())
    {
        std::cerr << "Impossible d'écrire " << sortie.toStdString() << std::endl;
        return 1;
    }
    std::cout << sortie.toStdString() << " : " << n.elements.size() << " éléments" << std::endl;
    return 0;
}

int Decrire(const QString& carte)
{
    QFile f(carte);
    if (!f.open(QIODevice::ReadOnly))
    {
        std::cerr << "Impossible de lire " << carte.toStdString() << std::endl;
        return 1;
    }
    bool ok = true;
    std::cout << SourceNiveau::Decrire(&f, carte, &ok).toStdString();
    return ok ? 0 : 1;
}

int Verifier(const QString& dossier, QStringList numeros)
{
    LecteurNiveau::FixerAvertisseur(LecteurNiveau::AvertirSurErreurStandard);
    if (numeros.isEmpty())
        for (const QString& f : QDir(dossier).entryList(QStringList() << "*.map", QDir::Files, QDir::Name))
            numeros << QFileInfo(f).completeBaseName();
    int echecs = 0;
    for (const QString& texte : numeros)
    {
        bool ok = false;
        const int n = texte.toInt(&ok);
        if (!ok)
            continue;
        const SourceNiveau::Bilan b = SourceNiveau::Verifier(dossier, n);
        std::cout << SourceNiveau::DecrireBilan(b).toStdString() << std::endl;
        if (!b.bon)
            ++echecs;
    }
    return echecs == 0 ? 0 : 1;
}
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList a = app.arguments();
    if (a.size() == 4 && a[1] == "compile")
        return Compiler(a[2], a[3]);
    if (a.size() == 3 && a[1] == "dump")
        return Decrire(a[2]);
    if (a.size() >= 3 && a[1] == "verifie")
        return Verifier(a[2], a.mid(3));
    std::cerr << "Usage : niveaux compile <source.niv> <sortie.map>\n"
                 "        niveaux dump <carte.map>\n"
                 "        niveaux verifie <dossier des cartes> [n ...]"
              << std::endl;
    return 2;
}
