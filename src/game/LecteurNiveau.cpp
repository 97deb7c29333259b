#include "game/LecteurNiveau.h"

#include <QApplication>
#include <QColor>
#include <QIODevice>
#include <QMessageBox>
#include <QtEndian>

#include <cstring>
#include <iostream>

LecteurNiveau::Avertisseur LecteurNiveau::avertisseur = nullptr;

LecteurNiveau::LecteurNiveau(QIODevice* f, const QString& n) : fichier(f), nom(n), erreur(false), restants(0)
{
}

qint64 LecteurNiveau::Reste() const
{
    if (!fichier)
        return 0;
    const qint64 r = fichier->size() - fichier->pos();
    return r > 0 ? r : 0;
}

void LecteurNiveau::Signaler(const QString& message)
{
    if (!erreur)
        std::cerr << "Niveau " << nom.toStdString() << " : " << message.toStdString() << std::endl;
    erreur = true;
}

bool LecteurNiveau::LireEntier(qint32& v)
{
    char b[4];
    if (Reste() < 4 || fichier->read(b, 4) != 4)
    {
        Signaler("fichier tronqué");
        return false;
    }
    v = qFromLittleEndian<qint32>(b);
    return true;
}

bool LecteurNiveau::LireReel(double& v)
{
    char b[8];
    if (Reste() < 8 || fichier->read(b, 8) != 8)
    {
        Signaler("fichier tronqué");
        return false;
    }
    const quint64 bits = qFromLittleEndian<quint64>(b);
    std::memcpy(&v, &bits, sizeof v);
    return true;
}

bool LecteurNiveau::LireTexte(QString& s)
{
    qint32 brut;
    if (!LireEntier(brut))
        return false;
    const quint32 octets = quint32(brut);
    if (octets == 0xFFFFFFFFu)
    {
        s = QString();
        return true;
    }
    if (octets % 2 != 0)
    {
        Signaler("longueur de texte impaire (" + QString::number(octets) + ")");
        return false;
    }
    if (qint64(octets) > Reste())
    {
        Signaler("texte de " + QString::number(octets) + " octets au-delà de la fin du fichier");
        return false;
    }
    const QByteArray donnees = fichier->read(octets);
    if (quint32(donnees.size()) != octets)
    {
        Signaler("fichier tronqué");
        return false;
    }
    const int n = int(octets / 2);
    s.resize(n);
    const uchar* p = reinterpret_cast<const uchar*>(donnees.constData());
    for (int i = 0; i < n; ++i)
        s[i] = QChar(qFromLittleEndian<quint16>(p + 2 * i));
    return true;
}

bool LecteurNiveau::LireEntete(EnteteNiveau& e)
{
    EnteteNiveau lu;
    if (!LireEntier(lu.largeur) || !LireEntier(lu.hauteur) || !LireEntier(lu.numero) || !LireTexte(lu.nomZone) ||
        !LireEntier(lu.numeroZone) || !LireEntier(lu.numeroActe) || !LireEntier(lu.format))
        return false;
    e = lu;
    // le compte est lu à part : un fichier réduit à l'en-tête reste lisible
    if (!LireEntier(lu.nombre))
    {
        e.nombre = 0;
        restants = 0;
        return true;
    }
    e.nombre = lu.nombre;
    restants = lu.nombre;
    if (lu.nombre < 0)
    {
        Signaler("nombre d'éléments négatif (" + QString::number(lu.nombre) + ")");
        restants = 0;
    }
    else if (qint64(lu.nombre) * TAILLE_MIN_ENREGISTREMENT > Reste())
    {
        // on lit ce qui tient dans le fichier, la boucle s'arrête à sa fin
        std::cerr << "Niveau " << nom.toStdString() << " : " << lu.nombre
                  << " éléments annoncés, le fichier ne peut en contenir que "
                  << Reste() / TAILLE_MIN_ENREGISTREMENT << std::endl;
        erreur = true;
    }
    return true;
}

bool LecteurNiveau::LireEnregistrement(EnregistrementNiveau& r)
{
    if (restants <= 0)
        return false;
    if (Reste() < TAILLE_MIN_ENREGISTREMENT)
    {
        Signaler("fichier tronqué, " + QString::number(restants) + " éléments manquants");
        return false;
    }
    qint32 k;
    r.textes.clear();
    if (!LireEntier(r.id) || !LireReel(r.x) || !LireReel(r.y) || !LireEntier(k))
        return false;
    // chaque texte prend au moins 4 octets
    if (k < 0 || qint64(k) * 4 > Reste())
    {
        Signaler("nombre de paramètres impossible (" + QString::number(k) + ") pour l'élément ID = " +
                 QString::number(r.id));
        restants = 0;
        return false;
    }
    for (qint32 i = 0; i < k; ++i)
    {
        QString s;
        if (!LireTexte(s))
        {
            restants = 0;
            return false;
        }
        r.textes << s;
    }
    --restants;
    return true;
}

void LecteurNiveau::LireParametres(const QStringList& textes, int id, float& profondeur, std::vector<float>& parametres)
{
    parametres.clear();
    for (int i = 0; i < textes.size(); ++i)
    {
        bool ok = false;
        const float v = textes[i].toFloat(&ok);
        if (ok)
        {
            if (i == 0)
                profondeur = v;
            else
                parametres.push_back(v);
            continue;
        }
        QColor c;
        c.setNamedColor(textes[i]);
        if (c.isValid())
        {
            parametres.push_back(float(c.red()));
            parametres.push_back(float(c.green()));
            parametres.push_back(float(c.blue()));
        }
        else
        {
            parametres.push_back(0.f);
            Avertir(id);
        }
    }
}

void LecteurNiveau::AvertirSurErreurStandard(const QString& titre, const QString& texte)
{
    std::cerr << titre.toStdString() << " : " << texte.toStdString() << std::endl;
}

void LecteurNiveau::Avertir(int id)
{
    const QString titre = QString::fromUtf8("Erreur de chargement");
    const QString texte =
        QString::fromUtf8("L'élément ID = ") + QString::number(id) + QString::fromUtf8(" n'a pas pu charger tous les paramètres.");
    if (avertisseur)
        avertisseur(titre, texte);
    else if (qobject_cast<QApplication*>(QCoreApplication::instance()))
        QMessageBox::warning(nullptr, titre, texte, QMessageBox::Ok);
    else
        AvertirSurErreurStandard(titre, texte);
}
