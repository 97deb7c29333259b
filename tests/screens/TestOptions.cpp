#include "Banc.h"

#include "screens/AppOptions.h"
#include "screens/WIconeHeros.h"

namespace
{
const WIconeHeros* Icone(const AppOptions& app, int i)
{
    return dynamic_cast<const WIconeHeros*>(app.Menu().Widgets().at(i));
}
} // namespace

TEST_F(Banc, ChoixDuHerosChangeLesOptionsPuisRevientAuTitre)
{
    AppOptions app(nullptr);
    ASSERT_EQ(app.Menu().Widgets().size(), 2u);
    Frame(app);
    EXPECT_TRUE(Icone(app, 0)->Valide());
    EXPECT_TRUE(Icone(app, 0)->Selectionne());
    Frame(app, {Appui(sf::Keyboard::Right), Relache(sf::Keyboard::Return)});
    EXPECT_EQ(GameOptions::Instance()->HerosChoisi(), 1);
    EXPECT_EQ(Ecran::EcranDemande(), -1);
    EXPECT_TRUE(Icone(app, 1)->Valide());
    EXPECT_FALSE(Icone(app, 0)->Valide());
    // valider l'icône choisie ramène au titre
    Frame(app, {Relache(sf::Keyboard::Return)});
    EXPECT_EQ(Ecran::EcranDemande(), 1);
    EXPECT_EQ(GameOptions::Instance()->HerosChoisi(), 1);
}

TEST_F(Banc, ChoixDuHerosOuvreSurLeHerosCourant)
{
    GameOptions::Instance()->DefinirHerosChoisi(1);
    AppOptions app(nullptr);
    Frame(app);
    EXPECT_TRUE(Icone(app, 1)->Valide());
    EXPECT_TRUE(Icone(app, 1)->Selectionne());
    EXPECT_EQ(Icone(app, 1)->Nom().getString(), "tormundo");
    // revenir sur Vanto sans valider ne change rien
    Frame(app, {Appui(sf::Keyboard::Left)});
    EXPECT_EQ(GameOptions::Instance()->HerosChoisi(), 1);
    Frame(app, {BoutonRelache(1)});
    EXPECT_EQ(GameOptions::Instance()->HerosChoisi(), 0);
}

TEST_F(Banc, IconeSurligneeJoueDouzeImagesSurLaDeuxiemeRangee)
{
    AppOptions app(nullptr);
    Frame(app);
    const WIconeHeros* vanto = Icone(app, 0);
    const WIconeHeros* tormundo = Icone(app, 1);
    std::vector<int> images;
    for (int i = 0; i < 14; ++i)
    {
        // 0,11 s par pas : une image de plus à chaque fois
        Frame(app, {}, 0.11f);
        EXPECT_EQ(vanto->Image().getTextureRect(), sf::IntRect(vanto->ImageCourante() * 160, 160, 160, 160));
        images.push_back(vanto->ImageCourante());
        EXPECT_EQ(tormundo->Image().getTextureRect(), sf::IntRect(0, 0, 160, 160));
    }
    const std::vector<int> attendu = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 0, 1, 2};
    EXPECT_EQ(images, attendu);
    // moins de 0,1 s : l'image ne change pas
    const int avant = vanto->ImageCourante();
    Frame(app, {}, 0.05f);
    EXPECT_EQ(vanto->ImageCourante(), avant);
}

TEST_F(Banc, CadresDesIconesDessines)
{
    AppOptions app(nullptr);
    // le fondu depuis le noir se termine
    for (int i = 0; i < 40; ++i)
        Frame(app);
    // bord haut des cadres, au-dessus des images
    EXPECT_EQ(Pixel(245, 159), sf::Color(0, 64, 255));
    EXPECT_EQ(Pixel(395, 159), sf::Color::Black);
    Frame(app, {Appui(sf::Keyboard::Right)});
    EXPECT_EQ(Pixel(245, 159), sf::Color(0, 64, 255));
    EXPECT_EQ(Pixel(395, 159), sf::Color::White);
    Frame(app, {Relache(sf::Keyboard::Return)});
    Frame(app);
    EXPECT_EQ(Pixel(245, 159), sf::Color::Black);
    EXPECT_EQ(Pixel(395, 159), sf::Color(255, 32, 32));
}
