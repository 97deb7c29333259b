#include "Fichiers.h"
#include "SupportQt.h"

#include "SourceNiveau.h"
#include "game/LecteurNiveau.h"

#include <SFML/Graphics/Image.hpp>

#include <QProcess>
#include <QProcessEnvironment>

#include <gtest/gtest.h>

#include <algorithm>

namespace
{
QString LireTexte(const QString& chemin)
{
    QFile f(chemin);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << chemin.toStdString();
    return QString::fromUtf8(f.readAll());
}

void Compiler(const QString& source, NiveauSource& n)
{
    QString erreur;
    ASSERT_TRUE(SourceNiveau::Lire(LireTexte(source), n, erreur)) << erreur.toStdString();
}

void EcrireCarte(const QString& dossier, const NiveauSource& n)
{
    QFile f(dossier + "/" + QString::number(n.entete.numero) + ".map");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(SourceNiveau::Ecrire(n, &f));
}

// L'outil des niveaux lancé comme en ligne de commande (sans configuration audio si demandé) ; rend
// son code de sortie et sa sortie standard. Il ne laisse jamais le périphérique audio ouvert en
// sortant (OpenAL s'en plaint alors, ou s'arrête sur une assertion).
int Outil(const QStringList& arguments, QString* sortie = nullptr, bool sansAudio = false)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (sansAudio)
        env.remove("ALSOFT_CONF");
    p.setProcessEnvironment(env);
    p.setProcessChannelMode(QProcess::SeparateChannels);
    p.start(OUTIL_NIVEAUX, arguments);
    EXPECT_TRUE(p.waitForFinished(120000)) << arguments.join(" ").toStdString();
    if (sortie)
        *sortie = QString::fromUtf8(p.readAllStandardOutput());
    const QString erreurs = QString::fromUtf8(p.readAllStandardError());
    EXPECT_FALSE(erreurs.contains("alc_cleanup")) << arguments.join(" ").toStdString();
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : 128 + p.exitCode();
}

// Quand les sept actes de la campagne sont là, la vérification de l'ensemble devient complète :
// chaque genre de la table posé, anneaux et points de passage des actes 1, 2, 4 et 5
const bool VERIFICATION_COMPLETE = true;
}

// source -> carte -> description -> source : mêmes éléments, même en-tête
TEST(Outils, AllerRetourCompilateurLecteurDescription)
{
    NiveauSource n;
    Compiler("tests/niveaux/essai.niv", n);
    EXPECT_EQ(n.entete.numero, 7);
    EXPECT_EQ(n.entete.nomZone, QString::fromUtf8("Essai d'été"));
    // grille : 2 + 4 + 13 + 13 tuiles, puis 5 objets
    ASSERT_EQ(n.elements.size(), 37u);
    // première tuile : 'p' de la ligne 1, colonne 10, décalée de -32
    EXPECT_EQ(n.elements[0].id, 1128020001);
    EXPECT_EQ(n.elements[0].x, 128.0 * 10 + 64);
    EXPECT_EQ(n.elements[0].y, 128.0 + 64 - 32);
    EXPECT_EQ(n.elements[0].textes, (QStringList{"10", "magenta"}));

    QByteArray octets;
    QBuffer tampon(&octets);
    ASSERT_TRUE(tampon.open(QIODevice::WriteOnly));
    ASSERT_TRUE(SourceNiveau::Ecrire(n, &tampon));
    tampon.close();
    ASSERT_TRUE(tampon.open(QIODevice::ReadOnly));
    bool ok = false;
    const QString texte = SourceNiveau::Decrire(&tampon, "essai", &ok);
    EXPECT_TRUE(ok);
    NiveauSource relu;
    QString erreur;
    ASSERT_TRUE(SourceNiveau::Lire(texte, relu, erreur)) << erreur.toStdString();
    EXPECT_EQ(relu.entete.largeur, 2048);
    EXPECT_EQ(relu.entete.hauteur, 800);
    EXPECT_EQ(relu.entete.nomZone, n.entete.nomZone);
    EXPECT_EQ(relu.entete.numeroActe, 3);
    EXPECT_EQ(relu.entete.format, 1287);
    ASSERT_EQ(relu.elements.size(), n.elements.size());
    for (size_t i = 0; i < n.elements.size(); ++i)
    {
        EXPECT_EQ(relu.elements[i].id, n.elements[i].id) << i;
        EXPECT_EQ(relu.elements[i].x, n.elements[i].x) << i;
        EXPECT_EQ(relu.elements[i].y, n.elements[i].y) << i;
        EXPECT_EQ(relu.elements[i].textes, n.elements[i].textes) << i;
    }
    // octets : en-tête petit-boutiste, texte en UTF-16LE
    EXPECT_EQ(octets.mid(0, 4), QByteArray("\x00\x08\x00\x00", 4));
    EXPECT_EQ(octets.mid(12, 4), QByteArray("\x16\x00\x00\x00", 4));
    EXPECT_EQ(octets.mid(16, 2), QByteArray("E\x00", 2));
}

TEST(Outils, SourcesMalFormees)
{
    NiveauSource n;
    QString erreur;
    EXPECT_FALSE(SourceNiveau::Lire("largeur 10\nhauteur 10\ngrille\nx\nfin\n", n, erreur));
    EXPECT_TRUE(erreur.contains("ligne 4")) << erreur.toStdString();
    EXPECT_FALSE(SourceNiveau::Lire("largeur 10\nhauteur 10\nobjet truc 1 2\n", n, erreur));
    EXPECT_FALSE(SourceNiveau::Lire("largeur 10\nhauteur dix\n", n, erreur));
    EXPECT_FALSE(SourceNiveau::Lire("largeur 10\n", n, erreur));
    EXPECT_FALSE(SourceNiveau::Lire("largeur 10\nhauteur 10\nlegende\n", n, erreur));
    EXPECT_TRUE(SourceNiveau::Lire("largeur 10\nhauteur 10 # commentaire\nobjet boucle 1 2 \"a b\" @nul\n", n, erreur));
    ASSERT_EQ(n.elements.size(), 1u);
    EXPECT_EQ(n.elements[0].id, 2014789631);
    EXPECT_EQ(n.elements[0].textes.size(), 2);
    EXPECT_EQ(n.elements[0].textes[0], QString("a b"));
    EXPECT_TRUE(n.elements[0].textes[1].isNull());
}

// Chaque niveau de levels/ passe la vérification par le chargeur du jeu ; le petit niveau
// d'essai, lui, est signalé pour son genre inconnu
TEST(Outils, LesNiveauxSeVerifient)
{
    AppQt();
    LecteurNiveau::FixerAvertisseur(LecteurNiveau::AvertirSurErreurStandard);
    QTemporaryDir dossier;
    const QStringList sources = QDir("levels").entryList(QStringList() << "*.niv", QDir::Files, QDir::Name);
    ASSERT_GE(sources.size(), 2);
    for (const QString& s : sources)
    {
        NiveauSource n;
        Compiler("levels/" + s, n);
        const int numero = QFileInfo(s).completeBaseName().toInt();
        EXPECT_EQ(n.entete.numero, numero) << s.toStdString();
        // un acte se court sur plus de 7000 pixels ; une arène de boss peut être plus courte
        const bool arene = std::any_of(n.elements.begin(), n.elements.end(),
                                       [](const ElementSource& e) { return e.id == 8000099 || e.id == 8000050; });
        EXPECT_GE(n.entete.largeur, arene ? 1280 : 7000) << s.toStdString();
        QFile f(dossier.path() + "/" + QString::number(numero) + ".map");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(SourceNiveau::Ecrire(n, &f));
        f.close();
        const SourceNiveau::Bilan b = SourceNiveau::Verifier(dossier.path(), numero);
        EXPECT_TRUE(b.bon) << SourceNiveau::DecrireBilan(b).toStdString();
        EXPECT_GT(b.elements, arene ? 20 : 150) << s.toStdString();
    }
    // l'outil lui-même, sur tout l'ensemble : 0 quand tout va bien
    QString sortie;
    QStringList arguments{"verifie"};
    if (VERIFICATION_COMPLETE)
        arguments << "--complet";
    EXPECT_EQ(Outil(arguments << dossier.path(), &sortie), 0) << sortie.toStdString();
    EXPECT_TRUE(sortie.contains(QString::fromUtf8(" 0 problèmes"))) << sortie.toStdString();
    NiveauSource essai;
    Compiler("tests/niveaux/essai.niv", essai);
    QFile f(dossier.path() + "/7.map");
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_TRUE(SourceNiveau::Ecrire(essai, &f));
    f.close();
    const SourceNiveau::Bilan b = SourceNiveau::Verifier(dossier.path(), 7);
    EXPECT_FALSE(b.bon);
    EXPECT_EQ(b.inconnus, std::vector<int>{4242});
    EXPECT_EQ(b.horsNiveau, 0);
    EXPECT_TRUE(b.departSurSol);
    EXPECT_EQ(b.departX, 224.f);
    EXPECT_EQ(b.departY, 192.f);
    // 32 tuiles + 6 pièces et 10 bornes de boucle + le sol posé à la main + l'anneau + le décor de zone
    EXPECT_EQ(b.elements, 51);
    LecteurNiveau::FixerAvertisseur(nullptr);
}

// La vérification refuse un panneau de fin sans assez de sol après lui, un objet enfoui dans le
// terrain, et, quand on les demande, les genres jamais posés et les actes trop pauvres ; l'outil
// sort avec 0 ou 1, sans configuration audio. L'image d'ensemble montre tout le niveau, réduit.
TEST(Outils, VerifieEtImage_CodesDeSortie)
{
    AppQt();
    QTemporaryDir dossier;
    // 22 colonnes de sol, une colonne vide de chaque côté (les tuiles débordent un peu)
    QString sol = ".";
    for (int c = 0; c < 22; ++c)
        sol += "=";
    sol += ".";
    const QString entete = "largeur 3072\nhauteur 1024\nzone \"Essai\"\nnumero_zone 1\n"
                           "legende\n = sol 10\n # plein 10\nfin\ngrille 4\n" + sol + "\n" +
                           QString(sol).replace('=', '#') + "\n" + QString(sol).replace('=', '#') + "\nfin\n";
    NiveauSource bon, mauvais;
    QString erreur;
    // panneau à 1 600 px du bord, anneaux en l'air
    ASSERT_TRUE(SourceNiveau::Lire("numero 1\nacte 1\n" + entete +
                                       "objet fin 1400 462\nobjet anneau 600 400\nobjet anneau 700 400\n",
                                   bon, erreur))
        << erreur.toStdString();
    // panneau à 200 px du bord, un anneau dans la roche
    ASSERT_TRUE(SourceNiveau::Lire("numero 2\nacte 2\n" + entete +
                                       "objet fin 2872 462\nobjet anneau 600 700\n",
                                   mauvais, erreur))
        << erreur.toStdString();
    EcrireCarte(dossier.path(), bon);
    QString sortie;
    EXPECT_EQ(Outil({"verifie", dossier.path()}, &sortie), 0) << sortie.toStdString();
    // les genres et les actes : il en manque
    EXPECT_EQ(Outil({"verifie", "--complet", dossier.path()}, &sortie), 1) << sortie.toStdString();
    EXPECT_TRUE(sortie.contains(QString::fromUtf8("genres jamais posés"))) << sortie.toStdString();
    EXPECT_TRUE(sortie.contains("portail")) << sortie.toStdString();
    EXPECT_TRUE(sortie.contains("2 anneaux (150 au moins)")) << sortie.toStdString();
    EcrireCarte(dossier.path(), mauvais);
    EXPECT_EQ(Outil({"verifie", dossier.path()}, &sortie), 1) << sortie.toStdString();
    EXPECT_TRUE(sortie.contains("ENFOUIS : anneau")) << sortie.toStdString();
    EXPECT_TRUE(sortie.contains("FIN SANS SOL")) << sortie.toStdString();
    EXPECT_EQ(Outil({"verifie", dossier.path(), "1"}, &sortie), 0) << sortie.toStdString();
    // un moniteur au pied d'une marche : collé au mur ou à plus d'un héros de lui, bon ; entre les
    // deux, le héros qui tombe dans la fente s'y coincerait
    NiveauSource marche;
    const QString vide(24, '.'), bas = "." + QString(22, '#') + ".";
    ASSERT_TRUE(SourceNiveau::Lire("numero 3\nacte 3\nlargeur 3072\nhauteur 1024\nzone \"Essai\"\nnumero_zone 1\n"
                                   "legende\n = sol 10\n # plein 10\nfin\ngrille 4\n" + vide + "\n" +
                                       "." + QString(10, '.') + QString(12, '#') + ".\n" + "." + QString(10, '=') +
                                       QString(12, '#') + ".\n" + bas + "\n" + bas + "\nfin\n"
                                       "objet moniteur_anneaux 1376 736 \"20\"\nobjet moniteur_anneaux 1346 736 \"20\"\n"
                                       "objet moniteur_anneaux 1316 736 \"20\"\nobjet moniteur_anneaux 700 736 \"20\"\n",
                                   marche, erreur))
        << erreur.toStdString();
    EcrireCarte(dossier.path(), marche);
    EXPECT_EQ(Outil({"verifie", dossier.path(), "3"}, &sortie), 1) << sortie.toStdString();
    EXPECT_TRUE(sortie.contains("FENTES : moniteur_anneaux (5000010) (1346, 736) à 40 px d'un mur")) << sortie.toStdString();
    EXPECT_FALSE(sortie.contains("(1376, 736)") || sortie.contains("(1316, 736)") || sortie.contains("(700, 736)"))
        << sortie.toStdString();

    // l'image : tout le niveau au quart, sans configuration audio
    if (!QFile::exists("data/png/game/zones/1/textures/texture_128.png"))
        GTEST_SKIP() << "images non générées";
    const QString prefixe = dossier.path() + "/essai";
    EXPECT_EQ(Outil({"image", dossier.path(), "1", prefixe}, &sortie, true), 0) << sortie.toStdString();
    sf::Image ensemble;
    ASSERT_TRUE(ensemble.loadFromFile((prefixe + "_ensemble.png").toStdString()));
    EXPECT_EQ(ensemble.getSize().x, 3072u / 4);
    EXPECT_EQ(ensemble.getSize().y, 1024u / 4);
    // le sol se voit jusqu'au bout du niveau : la colonne près du bord droit n'est pas que du fond
    const sf::Color fond = ensemble.getPixel(0, 0);
    int differents = 0;
    for (unsigned y = 0; y < ensemble.getSize().y; ++y)
        differents += ensemble.getPixel(ensemble.getSize().x - 48, y) != fond;
    EXPECT_GT(differents, 20);
}
