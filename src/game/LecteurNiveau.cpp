#include "game/LecteurNiveau.h"

#include <QApplication>
#include <QColor>
#include <QIODevice>
#include <QMessageBox>
#include <QtEndian>

#include <cmath>
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
    QString raison;
    if (!EnteteValide(lu, &raison))
    {
        Signaler("en-tête refusé, " + raison);
        return false;
    }
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

bool LecteurNiveau::EnteteValide(const EnteteNiveau& e, QString* raison)
{
    QString r;
    if (e.largeur < LARGEUR_MIN || e.largeur > LARGEUR_MAX || e.hauteur < LARGEUR_MIN || e.hauteur > LARGEUR_MAX)
        r = "taille " + QString::number(e.largeur) + QString::fromUtf8(" × ") + QString::number(e.hauteur) +
            " hors de " + QString::number(LARGEUR_MIN) + ".." + QString::number(LARGEUR_MAX);
    else if (e.numero < 1 || e.numero > NUMERO_MAX)
        r = QString::fromUtf8("numéro ") + QString::number(e.numero) + " hors de 1.." + QString::number(NUMERO_MAX);
    else if (e.numeroZone < 0 || e.numeroZone > NUMERO_MAX || e.numeroActe < 0 || e.numeroActe > NUMERO_MAX)
        r = QString::fromUtf8("zone ") + QString::number(e.numeroZone) + " ou acte " + QString::number(e.numeroActe) +
            " hors de 0.." + QString::number(NUMERO_MAX);
    if (raison)
        *raison = r;
    return r.isEmpty();
}

bool LecteurNiveau::PositionValide(const EnregistrementNiveau& r)
{
    return std::isfinite(r.x) && std::isfinite(r.y) && std::fabs(r.x) <= POSITION_MAX &&
           std::fabs(r.y) <= POSITION_MAX;
}

int LecteurNiveau::LireParametres(const QStringList& textes, float& profondeur, std::vector<float>& parametres)
{
    parametres.clear();
    int illisibles = 0;
    for (int i = 0; i < textes.size(); ++i)
    {
        bool ok = false;
        const float v = textes[i].toFloat(&ok);
        // "nan", "inf" ou 1e30 passent pour des nombres : ils sont illisibles ici
        if (ok && (!std::isfinite(v) || std::fabs(v) > VALEUR_MAX))
        {
            parametres.push_back(0.f);
            ++illisibles;
            continue;
        }
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
            ++illisibles;
        }
    }
    return illisibles;
}

void LecteurNiveau::AvertirSurErreurStandard(const QString& titre, const QString& texte)
{
    std::cerr << titre.toStdString() << " : " << texte.toStdString() << std::endl;
}

void LecteurNiveau::Avertir(int id, int nombre)
{
    const QString titre = QString::fromUtf8("Erreur de chargement");
    QString texte =
        QString::fromUtf8("L'élément ID = ") + QString::number(id) + QString::fromUtf8(" n'a pas pu charger tous les paramètres.");
    if (nombre > 1)
        texte += QString::fromUtf8("\n") + QString::number(nombre) +
                 QString::fromUtf8(" valeurs illisibles dans ce niveau ; la partie continue avec ce qui a pu être lu.");
    if (avertisseur)
        avertisseur(titre, texte);
    else if (qobject_cast<QApplication*>(QCoreApplication::instance()))
    {
        // boîte non bloquante : les frames continuent derrière elle, le chargement n'est pas repris
        AvertirSurErreurStandard(titre, texte);
        QMessageBox* boite = new QMessageBox(QMessageBox::Warning, titre, texte, QMessageBox::Ok);
        boite->setAttribute(Qt::WA_DeleteOnClose);
        boite->setModal(false);
        boite->show();
    }
    else
        AvertirSurErreurStandard(titre, texte);
}
