#include "Banc.h"

#include "engine/GestionnaireAudio.h"
#include "engine/MoteurAudio.h"
#include "screens/AppDemarrage.h"
#include "screens/EtapeGenerique.h"

#include <SFML/Audio/OutputSoundFile.hpp>

#include <vector>

namespace
{
int CarteVisible(const Generique& g)
{
    int visible = -1;
    int n = 0;
    for (std::size_t i = 0; i < g.Etapes().size(); ++i)
        if (g.Etapes()[i]->visible)
        {
            visible = static_cast<int>(i);
            ++n;
        }
    return n == 1 ? visible : -2;
}
} // namespace

TEST_F(Banc, DemarrageCinqCartesDansLOrdre)
{
    AppDemarrage app(nullptr);
    const std::vector<EtapeGenerique*>& cartes = app.Sequence().Etapes();
    ASSERT_EQ(cartes.size(), 5u);
    EXPECT_EQ(cartes[0]->Contenu().getString(), "CHARGEMENT...");
    EXPECT_EQ(cartes[1]->Contenu().getFillColor(), sf::Color(255, 32, 0));
    EXPECT_EQ(cartes[1]->Contenu().getString(),
              "  CE JEU N'EST PAS UN JEU OFFICIEL  \nET NE PEUT FAIRE L'OBJET D'UNE VENTE");
    // les accents arrivent entiers, un caractère chacun
    const sf::String sfml = cartes[3]->Contenu().getString();
    EXPECT_EQ(sfml.getSize(), std::string("PROGRAMME DEVELOPPE A L'AIDE DE LA LIBRAIRIE").size());
    EXPECT_EQ(sfml[11], sf::Uint32(0xC9));
    EXPECT_EQ(cartes[4]->Contenu().getCharacterSize(), 16u);
    EXPECT_EQ(cartes[4]->Contenu().getString().substring(0, 45),
              "   FAN GAME   \n              \n      by      \n");
    EXPECT_EQ(CarteVisible(app.Sequence()), 0);
}

TEST_F(Banc, DemarrageRythmeDesCartesSansPasser)
{
    AppDemarrage app(nullptr);
    // au pas de 1/60 s : 51 frames d'ouverture, 61 de pause (plus d'une seconde),
    // 51 de fermeture et une pour changer de carte
    const int attendu[4] = {51, 61, 51, 1};
    for (int carte = 0; carte < 5; ++carte)
        for (int phase = 0; phase < 4; ++phase)
        {
            ASSERT_EQ(app.Sequence().Etape(), carte);
            ASSERT_EQ(app.Sequence().Phase(), phase);
            EXPECT_EQ(CarteVisible(app.Sequence()), carte);
            int frames = 0;
            while (app.Sequence().Phase() == phase && app.Sequence().EnCours() && frames < 1000)
            {
                Frame(app);
                ++frames;
            }
            if (carte == 4 && phase == 3)
            {
                EXPECT_FALSE(app.Sequence().EnCours());
            }
            else
            {
                EXPECT_EQ(frames, attendu[phase]) << "carte " << carte << " phase " << phase;
            }
            if (carte == 0 && phase == 0)
            {
                EXPECT_FALSE(app.Chargeur().Charge());
            }
        }
    EXPECT_TRUE(app.Chargeur().Charge());
    EXPECT_EQ(Ecran::EcranDemande(), -1);
    Frame(app);
    EXPECT_EQ(Ecran::EcranDemande(), 1);
}

TEST_F(Banc, DemarragePasserRefuseAvantLeChargement)
{
    AppDemarrage app(nullptr);
    for (int i = 0; i < 51; ++i)
        Frame(app, {Clic(320, 240), Relache(sf::Keyboard::Return)});
    EXPECT_EQ(app.Sequence().Phase(), 1);
    EXPECT_FALSE(app.Chargeur().Charge());
    EXPECT_EQ(Ecran::EcranDemande(), -1);
    // la carte est tenue : le chargement se fait à la frame suivante
    Frame(app);
    EXPECT_TRUE(app.Chargeur().Charge());
    Frame(app, {Appui(sf::Keyboard::Return), Relache(sf::Keyboard::Q)});
    EXPECT_EQ(Ecran::EcranDemande(), -1);
    Frame(app, {Relache(sf::Keyboard::Return)});
    EXPECT_EQ(Ecran::EcranDemande(), 1);
    Ecran::DemanderEcran(-1);
    Frame(app, {Clic(0, 0)});
    EXPECT_EQ(Ecran::EcranDemande(), 1);
}

TEST_F(Banc, DemarrageLanceLaMusiqueQuandLaDeuxiemeCarteSeFerme)
{
    // une seconde de silence suffit
    ASSERT_TRUE(QDir().mkpath("data/ogg/musics"));
    {
        sf::OutputSoundFile f;
        ASSERT_TRUE(f.openFromFile("data/ogg/musics/accueil.ogg", 22050, 1));
        std::vector<sf::Int16> silence(22050, 0);
        f.write(silence.data(), silence.size());
    }
    MoteurAudio::Instance()->ArreterTout();
    {
        AppDemarrage app(nullptr);
        while (!(app.Sequence().Etape() == 1 && app.Sequence().Phase() == 2))
        {
            EXPECT_TRUE(MoteurAudio::Instance()->Pile().empty());
            Frame(app);
        }
        Frame(app);
        ASSERT_EQ(MoteurAudio::Instance()->Pile().size(), 1u);
        sf::Music* musique = MoteurAudio::Instance()->Pile().back();
        EXPECT_EQ(musique, GestionnaireAudio::Instance()->Musique("data/ogg/musics/accueil.ogg", false));
        EXPECT_FALSE(musique->getLoop());
        // les frames suivantes ne l'empilent pas une seconde fois
        Frame(app);
        Frame(app);
        EXPECT_EQ(MoteurAudio::Instance()->Pile().size(), 1u);
    }
    MoteurAudio::Instance()->ArreterTout();
}
