#include "engine/SourceTemps.h"
#include "game/Quadtree.h"
#include "game/QuadtreeNode.h"
#include "game/SceneGraphique.h"
#include "objects/BassinEau.h"
#include "objects/BassinLave.h"
#include "objects/Plouf.h"
#include "objects/SurfaceLave.h"
#include "physics/Segment.h"
#include "scene/Sprite.h"

#include <gtest/gtest.h>

namespace
{
int CompterSurfaces(QuadtreeNode* n)
{
    if (!n)
        return 0;
    int k = 0;
    for (ElementScenique* e : n->Elements())
        k += dynamic_cast<SurfaceLave*>(e) != nullptr;
    for (int i = 0; i < 4; ++i)
        k += CompterSurfaces(n->Enfant(i));
    return k;
}
} // namespace

// Bassin de lave : cadre, sol de surface, une surface par colonne, niveau de l'eau intact, paramètres bornés
TEST(Bassins, LaveSolDeSurfaceEtColonnes)
{
    SceneGraphique scene;
    scene.FixerTaille(4000, 4000);
    const int niveau = scene.NiveauEau();
    BassinLave lave(&scene, sf::Vector2f(160.f, 800.f), 1.f, {4.f, 2.f});
    EXPECT_EQ(scene.NiveauEau(), niveau);
    EXPECT_EQ(lave.Encadrement(), sf::FloatRect(128.f, 768.f, 256.f, 128.f));
    ASSERT_EQ(lave.Segments().size(), 1u);
    EXPECT_EQ(lave.Segments()[0]->Drapeaux(), SEG_SOL | SEG_CONTINUITE);
    EXPECT_EQ(lave.Segments()[0]->A(), sf::Vector2f(128.f, 768.f));
    EXPECT_EQ(lave.Segments()[0]->B(), sf::Vector2f(384.f, 768.f));
    EXPECT_EQ(lave.Sprites()[0]->SpriteSFML().getScale(), sf::Vector2f(4.f, 2.f));
    ASSERT_NE(scene.Index(), nullptr);
    EXPECT_EQ(CompterSurfaces(&scene.Index()->Racine()), 4);
    scene.Vider();

    BassinLave abime(nullptr, sf::Vector2f(0.f, 0.f), 1.f, {1e12f});
    EXPECT_EQ(abime.Largeur(), BassinEau::CASES_MAX);
    EXPECT_EQ(abime.Hauteur(), 1);
}

// Éclaboussure : douze images de 0,045 s puis suppression ; la lave bouillonne sur trois images
TEST(Bassins, PloufJoueUneFoisSurfaceLaveBoucle)
{
    SourceTemps::Manuel(true);
    {
        const std::size_t avant = Plouf::Nombre();
        Plouf plouf(nullptr, sf::Vector2f(100.f, 200.f));
        EXPECT_EQ(Plouf::Nombre(), avant + 1);
        EXPECT_TRUE(plouf.detruireHorsVue);
        EXPECT_NEAR(plouf.profondeur, 79.f, 1.f);
        int frames = 0;
        while (!plouf.ASupprimer() && frames < 200)
        {
            SourceTemps::Avancer(sf::seconds(1.f / 60.f));
            plouf.Animer();
            ++frames;
        }
        EXPECT_NEAR(frames / 60.f, 12 * 0.045f, 0.1f);

        SurfaceLave surface(nullptr, sf::Vector2f(0.f, 0.f));
        int maxi = 0;
        for (int i = 0; i < 60 * 3; ++i)
        {
            SourceTemps::Avancer(sf::seconds(1.f / 60.f));
            surface.Animer();
            maxi = std::max(maxi, surface.Sprites()[0]->ColonneCourante());
        }
        EXPECT_EQ(maxi, 2);
        EXPECT_FALSE(surface.ASupprimer());
    }
    SourceTemps::Manuel(false);
}
