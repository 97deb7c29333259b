#include "Banc.h"

#include "screens/AppGoLevel.h"
#include "screens/WGoLevel.h"

#include <QFile>

#include <string>

namespace
{
// En-tête écrit octet par octet : entiers de 32 bits et QString en UTF-16, petit-boutiste
void Entier(std::string& o, qint32 v)
{
    const quint32 u = static_cast<quint32>(v);
    for (int i = 0; i < 4; ++i)
        o.push_back(static_cast<char>((u >> (8 * i)) & 0xFF));
}

void Chaine(std::string& o, const QString& s)
{
    Entier(o, s.size() * 2);
    for (QChar c : s)
    {
        o.push_back(static_cast<char>(c.unicode() & 0xFF));
        o.push_back(static_cast<char>(c.unicode() >> 8));
    }
}

std::string Entete(qint32 numero, const QString& zone, qint32 acte)
{
    std::string o;
    Entier(o, 2048);
    Entier(o, 960);
    Entier(o, numero);
    Chaine(o, zone);
    Entier(o, 3);
    Entier(o, acte);
    Entier(o, 1287);
    Entier(o, 0);
    return o;
}

void Ecrire(const QString& chemin, const std::string& octets)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(octets.data(), static_cast<qint64>(octets.size()));
}

const QString emeraude = QString::fromUtf8("Zone Émeraude");
} // namespace

class Niveaux : public Banc
{
protected:
    void SetUp() override
    {
        Banc::SetUp();
        ASSERT_TRUE(QDir().mkpath("data/map"));
    }
    // 1, 2 et 10 lisibles, dans le désordre des noms
    void Complet()
    {
        Ecrire("data/map/2.map", Entete(2, emeraude, 2));
        Ecrire("data/map/1.map", Entete(1, emeraude, 1));
        Ecrire("data/map/10.map", Entete(10, QString::fromUtf8("Cité Engloutie"), 3));
    }
};

TEST_F(Niveaux, ListeParNomDeFichierSansLesFichiersIllisibles)
{
    Complet();
    // nom de zone coupé en plein milieu, fichier presque vide, autre extension, dossier
    Ecrire("data/map/3.map", Entete(3, emeraude, 1).substr(0, 20));
    Ecrire("data/map/4.map", std::string("\x04\x00", 2));
    Ecrire("data/map/notes.txt", Entete(9, emeraude, 9));
    ASSERT_TRUE(QDir().mkpath("data/map/vieux.map"));
    const auto niveaux = AppGoLevel::ListerNiveaux("data/map/");
    ASSERT_EQ(niveaux.size(), 3u);
    EXPECT_EQ(niveaux[0].first, 1);
    EXPECT_EQ(niveaux[0].second, "Zone Émeraude : Act 1");
    EXPECT_EQ(niveaux[1].first, 10);
    EXPECT_EQ(niveaux[1].second, "Cité Engloutie : Act 3");
    EXPECT_EQ(niveaux[2].first, 2);
    EXPECT_EQ(niveaux[2].second, "Zone Émeraude : Act 2");
}

TEST_F(Niveaux, EcranDeNiveauxNavigationEtChoix)
{
    Complet();
    AppGoLevel app(nullptr);
    ASSERT_EQ(app.Menu().Widgets().size(), 3u);
    const WGoLevel* dix = dynamic_cast<const WGoLevel*>(app.Menu().Widgets()[1]);
    ASSERT_NE(dix, nullptr);
    // chaque ligne à la rangée de son numéro
    EXPECT_EQ(dix->Contenu().getPosition(), sf::Vector2f(320.f, 300.f));
    EXPECT_EQ(dix->Contenu().getString(), sf::String(L"Cité Engloutie : Act 3"));
    Frame(app);
    EXPECT_EQ(app.Menu().Indice(), 0);
    Frame(app, {Appui(sf::Keyboard::Down)});
    Frame(app, {Appui(sf::Keyboard::Down)});
    EXPECT_EQ(app.Menu().Indice(), 2);
    Frame(app, {Relache(sf::Keyboard::Return)});
    EXPECT_EQ(GameOptions::Instance()->NiveauChoisi(), 2);
    EXPECT_EQ(Ecran::EcranDemande(), 5);
}

TEST_F(Niveaux, AvecTormundoLaDeuxiemeEntreeEstSurlignee)
{
    Complet();
    GameOptions::Instance()->DefinirHerosChoisi(1);
    AppGoLevel app(nullptr);
    Frame(app);
    EXPECT_EQ(app.Menu().Indice(), 1);
    Frame(app, {Clic(0, 0)});
    EXPECT_EQ(GameOptions::Instance()->NiveauChoisi(), 10);
    EXPECT_EQ(Ecran::EcranDemande(), 5);
}

TEST_F(Niveaux, ListeTropCourtePourLIndiceInitial)
{
    Ecrire("data/map/1.map", Entete(1, emeraude, 1));
    GameOptions::Instance()->DefinirHerosChoisi(1);
    AppGoLevel app(nullptr);
    Frame(app);
    EXPECT_EQ(app.Menu().Indice(), 0);
    EXPECT_TRUE(app.Menu().Widgets()[0]->Selectionne());
    Frame(app, {Appui(sf::Keyboard::Down), Relache(sf::Keyboard::Return)});
    EXPECT_EQ(GameOptions::Instance()->NiveauChoisi(), 1);
}

TEST_F(Niveaux, SansFichierRienAChoisir)
{
    GameOptions::Instance()->DefinirHerosChoisi(1);
    AppGoLevel app(nullptr);
    Frame(app);
    Frame(app, {Appui(sf::Keyboard::Down), Relache(sf::Keyboard::Return), Clic(1, 1)});
    EXPECT_TRUE(app.Menu().Widgets().empty());
    EXPECT_EQ(Ecran::EcranDemande(), -1);
}
