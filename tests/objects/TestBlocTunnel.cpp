#include "BancObjets.h"

#include "objects/PlateformeTunnel.h"

#include <gtest/gtest.h>

namespace
{
const double PI = 3.14159265358979323846;

int Gauche(const Sprite* s)
{
    return s->SpriteSFML().getTextureRect().left;
}

// Bloc de tunnel posé sur un sol plat, le héros à sa gauche (ou à sa droite)
struct BancBloc
{
    Banc b;
    PlateformeTunnel* bloc;
    explicit BancBloc(int choix, float depart = 700.f, int genre = 2000444001)
        : b(choix, {depart, 400.f})
    {
        b.Sol(500.f);
        bloc = new PlateformeTunnel(&b.scene, {1000.f, 436.f}, 10.f, {}, genre);
        b.Ajouter(bloc);
        Poser(b);
    }
    int Debris() const { return b.scene.ComptesElements().ranges; }
};
}

TEST(PlateformeTunnel, ContourEtImagesSelonLeGenre)
{
    BancBloc t(0);
    ASSERT_EQ(t.bloc->Segments().size(), 6u);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(t.bloc->Segments()[i]->Drapeaux(), 381);
    EXPECT_EQ(t.bloc->Segments()[4]->Drapeaux(), 125);
    EXPECT_EQ(t.bloc->masque, 0x103);
    EXPECT_EQ(Gauche(t.bloc->Sprites()[0]), 960);
    EXPECT_EQ(Gauche(t.bloc->Sprites()[1]), 992);
    PlateformeTunnel b5(&t.b.scene, {0.f, 0.f}, 1.f, {}, 2000555001), b6(&t.b.scene, {0.f, 0.f}, 1.f, {}, 2000666001);
    EXPECT_EQ(Gauche(b5.Sprites()[0]), 992);
    EXPECT_EQ(Gauche(b5.Sprites()[1]), 992);
    EXPECT_EQ(Gauche(b6.Sprites()[0]), 992);
    EXPECT_EQ(Gauche(b6.Sprites()[1]), 1120);
}

// Vanto en marchant bute ; Tormundo en marchant casse la moitié qu'il touche, puis l'autre
TEST(PlateformeTunnel, SeulUnHerosLourdOuRoulantViteLeCasse)
{
    {
        BancBloc t(0);
        Heros& h = *t.b.heros;
        Etapes(t.b, 180, [&] { h.Droite(); h.SautRelache(); });
        EXPECT_EQ(t.bloc->Segments().size(), 6u);
        EXPECT_LT(h.position.x, 968.f - 29.f);
        EXPECT_EQ(t.Debris(), 0);
    }
    {
        BancBloc t(1);
        Heros& h = *t.b.heros;
        ASSERT_GT(h.masse, 160.f);
        int frames = 0;
        while (t.bloc->Segments().size() == 6u && frames++ < 300)
            Etape(t.b, [&] { h.Droite(); h.SautRelache(); });
        ASSERT_EQ(t.bloc->Segments().size(), 4u);
        EXPECT_TRUE(t.bloc->GaucheCassee());
        EXPECT_FALSE(t.bloc->DroiteCassee());
        EXPECT_EQ(Gauche(t.bloc->Sprites()[0]), PlateformeTunnel::CADRE_CASSE);
        EXPECT_EQ(Gauche(t.bloc->Sprites()[1]), 992);
        EXPECT_EQ(t.Debris(), 4);
        Etapes(t.b, 120, [&] { h.Droite(); h.SautRelache(); });
        ASSERT_EQ(t.bloc->Segments().size(), 2u);
        EXPECT_EQ(Gauche(t.bloc->Sprites()[1]), PlateformeTunnel::CADRE_CASSE);
        EXPECT_EQ(t.Debris(), 8);
        EXPECT_GT(h.position.x, 1100.f);
        // restent le dessus et le dessous
        EXPECT_EQ(t.bloc->Segments()[0]->Drapeaux(), 125);
        EXPECT_EQ(t.bloc->Segments()[1]->Drapeaux(), 125);
    }
    {
        BancBloc t(0);
        Heros& h = *t.b.heros;
        h.forceMoteur.norme = 1000.f;
        h.ChangerEtat(HEROS_ROULADE);
        Etapes(t.b, 40, [&] { h.Bas(); h.SautRelache(); });
        EXPECT_EQ(t.bloc->Segments().size(), 2u);
        EXPECT_GT(h.position.x, 1100.f);
        EXPECT_EQ(t.Debris(), 8);
    }
    {
        // roulade lente : il bute
        BancBloc t(0);
        Heros& h = *t.b.heros;
        h.forceMoteur.norme = 600.f;
        h.ChangerEtat(HEROS_ROULADE);
        Etapes(t.b, 60, [&] { h.Bas(); h.SautRelache(); });
        EXPECT_EQ(t.bloc->Segments().size(), 6u);
    }
}

// Moitié droite cassée d'abord (par la droite), puis la gauche abordée par la gauche :
// c'est bien la moitié gauche qui se montre cassée
TEST(PlateformeTunnel, LaMoitieMontreeCasseeEstCelleQuiACede)
{
    BancBloc t(1);
    Heros& h = *t.b.heros;
    auto Heurter = [&](int i, double angle) {
        h.collision.type = CONTACT_SOL;
        h.collision.indiceSegment = i;
        h.collision.angleSol = angle;
        h.collision.autre = t.bloc;
        t.bloc->ContactHeros(&h);
    };
    Heurter(3, 3.0 * PI / 2.0); // face droite
    ASSERT_EQ(t.bloc->Segments().size(), 4u);
    EXPECT_TRUE(t.bloc->DroiteCassee());
    EXPECT_EQ(Gauche(t.bloc->Sprites()[1]), PlateformeTunnel::CADRE_CASSE);
    EXPECT_EQ(Gauche(t.bloc->Sprites()[0]), 960);
    EXPECT_EQ(t.bloc->Segments()[0]->A(), sf::Vector2f(968.f, 500.f)); // la face gauche reste
    Heurter(0, PI / 2.0);
    ASSERT_EQ(t.bloc->Segments().size(), 2u);
    EXPECT_TRUE(t.bloc->GaucheCassee());
    EXPECT_EQ(Gauche(t.bloc->Sprites()[0]), PlateformeTunnel::CADRE_CASSE);
    EXPECT_EQ(t.Debris(), 8);
    // un segment sans le bit 0x100 (le dessus) ne casse rien
    Heurter(0, PI);
    EXPECT_EQ(t.bloc->Segments().size(), 2u);
}
