// Cartes hostiles à travers tout le chemin du jeu (lecture, fabrique, construction des éléments,
// quelques secondes de jeu avec le héros). Deux façons de s'en servir :
//  - avec libFuzzer (clang, -DFUZZ_LIBFUZZER) : LLVMFuzzerTestOneInput ;
//  - seul (gcc, sanitiseurs) : fuzz_niveau <durée s> <dossier de sortie> <graines.map...>
//    mute les graines (valeurs extrêmes, "nan", "inf", genres, comptes, troncatures), écrit chaque
//    essai dans <sortie>/courant.map avant de le jouer : après un plantage, il y est encore.
//  - fuzz_niveau --rejouer <carte.map...> : rejoue des cartes, une à une.
#include "EssaiNiveau.h"

#include "game/LecteurNiveau.h"

#include <QApplication>
#include <QBuffer>
#include <QByteArray>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <csignal>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ctime>
#include <iostream>
#include <vector>
#include <unistd.h>

namespace
{
void Muet(const QString&, const QString&)
{
}

QApplication* App()
{
    static int argc = 1;
    static char nom[] = "fuzz_niveau";
    static char* argv[] = {nom, nullptr};
    static QApplication* app = new QApplication(argc, argv);
    return app;
}

struct Niveau
{
    EnteteNiveau entete;
    std::vector<EnregistrementNiveau> enregistrements;
};

bool Decoder(const QByteArray& octets, Niveau& n)
{
    QByteArray copie = octets;
    QBuffer tampon(&copie);
    tampon.open(QIODevice::ReadOnly);
    LecteurNiveau lecteur(&tampon, "graine");
    if (!lecteur.LireEntete(n.entete))
        return false;
    EnregistrementNiveau r;
    while (lecteur.LireEnregistrement(r))
        n.enregistrements.push_back(r);
    return true;
}

QByteArray Encoder(const Niveau& n, qint32 nombre)
{
    QByteArray octets;
    QDataStream flux(&octets, QIODevice::WriteOnly);
    flux.setVersion(QDataStream::Qt_4_6);
    flux.setByteOrder(QDataStream::LittleEndian);
    const EnteteNiveau& e = n.entete;
    flux << e.largeur << e.hauteur << e.numero << e.nomZone << e.numeroZone << e.numeroActe << e.format << nombre;
    for (const EnregistrementNiveau& r : n.enregistrements)
    {
        flux << r.id << r.x << r.y << qint32(r.textes.size());
        for (const QString& t : r.textes)
            flux << t;
    }
    return octets;
}

int Hasard(int n)
{
    return n > 0 ? rand() % n : 0;
}

// Genres de la table, et quelques voisins inconnus
const qint32 GENRES[] = {1, 2, 99, 1000001, 1000002, 1000005, 1000011, 1000012, 1000041, 1000042, 1000061, 1000062,
                         2000002, 2000004, 2000006, 2000008, 2000021, 2000022, 2000023, 2000024, 2000026, 2000028,
                         2000051, 2000061, 2000071, 2000099, 2000114, 2000116, 3000001, 3000011, 3000021, 3000501,
                         3000511, 5000001, 5000010, 5000020, 5000030, 5000050, 5000110, 5000120, 5000130, 5000140,
                         5000199, 5000901, 7000010, 7000020, 7000030, 7000040, 7000110, 7000120, 7000130, 7000210,
                         7000220, 8000050, 8000099, 9000001, 1128020001, 1128050001, 1128010050, 1384212001,
                         1999999999, 1000000000, 2000020001, 2000020002, 2000020003, 2000020004, 2000020011,
                         2000040001, 2000218001, 2000301008, 2000301012, 2000301016, 2000363001, 2000444001,
                         2000555001, 2000666001, 2000496001, 2000634001, 2000872001, 2014789631, 2032020501,
                         2128020501, 2128020511, 2128426501, 0, -1, 3, 1000003, 2000025, 2014789632, 2147483647,
                         -2147483647 - 1};
const char* TEXTES[] = {"nan", "-nan", "inf", "-inf", "1e30", "-1e30", "1e300", "3.4e38", "1e6", "-1e6", "999999",
                        "-999999", "0", "-0", "-1", "-5", "1", "2", "3", "4", "7", "8", "16", "64", "100", "255",
                        "256", "1000", "65536", "2147483647", "-2147483648", "0.0001", "abc", "", "#ff00ff",
                        "blue", "#12", "transparent", "1e-40", "0x10", " 5 ", "5,5"};
const double POSITIONS[] = {0.0, -1.0, 1e30, -1e30, 1e300, 16384.0, 32768.0, -64.0, 1e6, 1e7, 0.5, 65535.0};
const qint32 ENTIERS[] = {0, 1, -1, 2, 99, 127, 128, 129, 255, 256, 257, 640, 1000, 4096, 16384, 32768, 32769,
                          65536, 1 << 20, 2147483647, -2147483647 - 1, -1000};

QString TexteAuHasard()
{
    if (Hasard(4) == 0)
        return QString::number(Hasard(2000) - 500);
    return QString(TEXTES[Hasard(int(sizeof(TEXTES) / sizeof(TEXTES[0])))]);
}

double Position(double ancienne, int limite)
{
    switch (Hasard(4))
    {
    case 0: return POSITIONS[Hasard(int(sizeof(POSITIONS) / sizeof(POSITIONS[0])))];
    case 1: return std::nan("");
    case 2: return Hasard(limite > 0 ? limite : 1);
    default: return ancienne + Hasard(257) - 128;
    }
}

QByteArray Muter(const Niveau& graine)
{
    Niveau n = graine;
    std::vector<EnregistrementNiveau>& r = n.enregistrements;
    const int mutations = 1 + Hasard(6);
    for (int m = 0; m < mutations; ++m)
    {
        const int i = Hasard(int(r.size()));
        switch (Hasard(14))
        {
        case 0: // en-tête
            switch (Hasard(6))
            {
            case 0: n.entete.largeur = ENTIERS[Hasard(int(sizeof(ENTIERS) / sizeof(ENTIERS[0])))]; break;
            case 1: n.entete.hauteur = ENTIERS[Hasard(int(sizeof(ENTIERS) / sizeof(ENTIERS[0])))]; break;
            case 2: n.entete.numeroZone = Hasard(3) == 0 ? ENTIERS[Hasard(22)] : (Hasard(2) ? 99 : Hasard(4)); break;
            case 3: n.entete.numeroActe = ENTIERS[Hasard(22)]; break;
            case 4: n.entete.nomZone = Hasard(2) ? QString() : QString(Hasard(300), QChar(0x263A)); break;
            default: n.entete.largeur = 256 + Hasard(4096); n.entete.hauteur = 256 + Hasard(2048); break;
            }
            break;
        case 1: case 2: // genre
            if (!r.empty())
                r[i].id = GENRES[Hasard(int(sizeof(GENRES) / sizeof(GENRES[0])))];
            break;
        case 3: case 4: // position
            if (!r.empty())
            {
                if (Hasard(2))
                    r[i].x = Position(r[i].x, n.entete.largeur);
                else
                    r[i].y = Position(r[i].y, n.entete.hauteur);
            }
            break;
        case 5: case 6: case 7: // un texte
            if (!r.empty())
            {
                if (r[i].textes.isEmpty() || Hasard(3) == 0)
                    r[i].textes.insert(Hasard(r[i].textes.size() + 1), TexteAuHasard());
                else
                    r[i].textes[Hasard(r[i].textes.size())] = TexteAuHasard();
            }
            break;
        case 8: // tous les textes d'un élément
            if (!r.empty())
            {
                const QString t = TexteAuHasard();
                for (QString& s : r[i].textes)
                    s = t;
            }
            break;
        case 9: // textes retirés
            if (!r.empty() && !r[i].textes.isEmpty())
                r[i].textes.removeLast();
            break;
        case 10: // un élément dupliqué, près du départ parfois
            if (!r.empty() && r.size() < 4000)
            {
                EnregistrementNiveau copie = r[i];
                if (Hasard(2))
                {
                    copie.x = 128 + Hasard(1200);
                    copie.y = n.entete.hauteur > 0 ? Hasard(n.entete.hauteur) : 500;
                }
                r.push_back(copie);
            }
            break;
        case 11: // beaucoup d'un même genre
            if (!r.empty() && r.size() < 2000)
                for (int k = 0; k < 1 + Hasard(200); ++k)
                    r.push_back(r[i]);
            break;
        case 12: // éléments retirés
            if (!r.empty())
                r.erase(r.begin() + i, r.begin() + std::min(r.size(), size_t(i + 1 + Hasard(20))));
            break;
        default: // un genre au hasard près du départ
        {
            EnregistrementNiveau e;
            e.id = GENRES[Hasard(int(sizeof(GENRES) / sizeof(GENRES[0])))];
            e.x = 128 + Hasard(1000);
            e.y = n.entete.hauteur > 256 ? n.entete.hauteur - 128 - Hasard(600) : 300;
            for (int k = Hasard(5); k > 0; --k)
                e.textes << TexteAuHasard();
            r.push_back(e);
            break;
        }
        }
    }
    qint32 nombre = qint32(r.size());
    if (Hasard(20) == 0)
        nombre = ENTIERS[Hasard(int(sizeof(ENTIERS) / sizeof(ENTIERS[0])))];
    QByteArray octets = Encoder(n, nombre);
    // parfois, des octets au hasard ou une fin coupée
    if (Hasard(8) == 0)
        for (int k = 0; k < 1 + Hasard(8) && !octets.isEmpty(); ++k)
            octets[Hasard(octets.size())] = char(Hasard(256));
    if (Hasard(16) == 0 && !octets.isEmpty())
        octets.truncate(Hasard(octets.size()));
    return octets;
}

QString DossierTemporaire()
{
    static QTemporaryDir dossier;
    return dossier.path();
}

EssaiNiveau::Bilan Essayer(const QByteArray& octets, int heros)
{
    return EssaiNiveau::Jouer(octets, DossierTemporaire(), heros, 90);
}
} // namespace

#ifdef FUZZ_LIBFUZZER
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    App();
    LecteurNiveau::FixerAvertisseur(Muet);
    const QByteArray octets(reinterpret_cast<const char*>(donnees), int(taille));
    Essayer(octets, taille % 2);
    return 0;
}
#else
int main(int argc, char** argv)
{
    App();
    LecteurNiveau::FixerAvertisseur(Muet);
    QStringList a;
    for (int i = 0; i < argc; ++i)
        a << QString::fromLocal8Bit(argv[i]);
    if (a.size() >= 3 && a[1] == "--rejouer")
    {
        for (int i = 2; i < a.size(); ++i)
        {
            QFile f(a[i]);
            if (!f.open(QIODevice::ReadOnly))
            {
                std::cerr << "Impossible de lire " << a[i].toStdString() << std::endl;
                return 1;
            }
            const QByteArray octets = f.readAll();
            for (int heros : {0, 1})
            {
                const EssaiNiveau::Bilan b = Essayer(octets, heros);
                std::cout << a[i].toStdString() << " héros " << heros << " : " << b.elements << " éléments, "
                          << b.frames << " frames de jeu" << (b.titre ? ", retour au titre" : "") << std::endl;
            }
        }
        return 0;
    }
    if (argc < 4)
    {
        std::cerr << "Usage : fuzz_niveau <durée s> <dossier de sortie> <graines.map...>\n"
                     "        fuzz_niveau --rejouer <carte.map...>"
                  << std::endl;
        return 2;
    }
    const int duree = a[1].toInt();
    const QString sortie = a[2];
    QDir().mkpath(sortie);
    std::vector<Niveau> graines;
    for (int i = 3; i < a.size(); ++i)
    {
        QFile f(a[i]);
        Niveau n;
        if (f.open(QIODevice::ReadOnly) && Decoder(f.readAll(), n))
            graines.push_back(n);
    }
    if (graines.empty())
    {
        std::cerr << "Aucune graine lisible" << std::endl;
        return 2;
    }
    const unsigned int germe = unsigned(time(nullptr)) ^ unsigned(getpid());
    srand(germe);
    std::cout << graines.size() << " graines, germe " << germe << std::endl;
    const time_t debut = time(nullptr);
    long essais = 0, joues = 0, titres = 0;
    time_t dernier = debut;
    while (time(nullptr) - debut < duree)
    {
        const QByteArray octets = Muter(graines[size_t(Hasard(int(graines.size())))]);
        {
            QFile f(sortie + "/courant.map");
            if (f.open(QIODevice::WriteOnly))
                f.write(octets);
        }
        // un essai qui ne finit pas en 60 s est une boucle : le signal arrête tout, la carte reste
        alarm(60);
        const EssaiNiveau::Bilan b = Essayer(octets, int(essais % 2));
        alarm(0);
        ++essais;
        joues += b.joue;
        titres += b.titre;
        if (time(nullptr) - dernier >= 60)
        {
            dernier = time(nullptr);
            std::cout << "essais " << essais << ", joués " << joues << ", retours au titre " << titres << ", "
                      << (dernier - debut) << " s" << std::endl;
        }
    }
    QFile::remove(sortie + "/courant.map");
    std::cout << "fin : essais " << essais << ", joués " << joues << ", retours au titre " << titres << ", "
              << (time(nullptr) - debut) << " s" << std::endl;
    return 0;
}
#endif
