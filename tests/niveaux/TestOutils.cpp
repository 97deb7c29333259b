#include "Fichiers.h"
#include "SupportQt.h"

#include "SourceNiveau.h"
#include "game/LecteurNiveau.h"

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
        // un acte se court sur plus de 7000 pixels ; le dernier n'est que l'arène du robot final
        const bool arene = std::any_of(n.elements.begin(), n.elements.end(),
                                       [](const ElementSource& e) { return e.id == 8000099; });
        EXPECT_GE(n.entete.largeur, arene ? 1280 : 7000) << s.toStdString();
        QFile f(dossier.path() + "/" + QString::number(numero) + ".map");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(SourceNiveau::Ecrire(n, &f));
        f.close();
        const SourceNiveau::Bilan b = SourceNiveau::Verifier(dossier.path(), numero);
        EXPECT_TRUE(b.bon) << SourceNiveau::DecrireBilan(b).toStdString();
        EXPECT_GT(b.elements, arene ? 20 : 150) << s.toStdString();
    }
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
