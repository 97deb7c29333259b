// Boss : déclenchement au bord droit, coups et invulnérabilité, cycle d'attaque du double robot,
// scène de clôture intouchable, capsule de fin de zone.
#include "Arene.h"

#include "enemies/Cinematique_Z1_1.h"
#include "enemies/Lapin.h"
#include "enemies/SilverVanto.h"
#include "game/Camera.h"
#include "objects/FeuArtifice.h"
#include "objects/FinZone.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace
{
// L'arène avec une caméra posée à la main
struct AreneBoss : Arene
{
    Camera camera{nullptr};
    AreneBoss() : Arene(sf::Vector2f(200.f, 400.f))
    {
        camera.Lier(&scene);
        scene.FixerCamera(&camera);
    }
    ~AreneBoss() { scene.FixerCamera(nullptr); }
    void Viser(float x) { camera.Centrer(sf::Vector2f(x, 400.f)); }
};

void Attendre(float s)
{
    SourceTemps::Avancer(sf::seconds(s));
}
} // namespace

TEST(Boss, LeCombatCommenceQuandLaCameraAtteintLeBordDroit)
{
    AreneBoss a;
    SilverVanto* b = a.Ajouter(new SilverVanto(&a.scene, {3000.f, 400.f}, 40.f));
    EXPECT_EQ(a.scene.LimiteDroite(), 3064);
    // la vue s'arrête 10 pixels avant : rien ne commence
    a.Viser(3064.f - 330.f);
    b->Penser();
    EXPECT_EQ(b->Etat(), 0);
    a.Viser(3064.f - 320.f);
    ASSERT_FLOAT_EQ(a.camera.Vue().getCenter().x, 3064.f - 320.f);
    b->Penser();
    EXPECT_EQ(b->Etat(), SilverVanto::DESCENTE);
    EXPECT_EQ(a.scene.LimiteGauche(), 3064 - 640);
}

TEST(Boss, SixCoupsEspacesDUneSecondeEnViennentABoutEtLachentLaCapsule)
{
    Arene a;
    a.Sol(500.f);
    a.Poser();
    Heros& h = *a.heros;
    SilverVanto* b = a.Ajouter(new SilverVanto(&a.scene, {1000.f, 452.f}, 40.f));
    b->ChangerEtat(SilverVanto::DEBOUT);
    // le héros roule, devant le boss (qui regarde à gauche)
    h.position.x = 900.f;
    int touches = 0;
    for (int coup = 0; coup < 6; ++coup)
    {
        h.ChangerEtat(HEROS_ROULADE);
        b->ToucherHeros(&h);
        ++touches;
        // touché de nouveau dans la seconde : rien
        h.ChangerEtat(HEROS_ROULADE);
        b->ToucherHeros(&h);
        if (coup < 5)
        {
            EXPECT_EQ(b->vies, Boss::VIES - 1 - coup) << "coup " << touches;
            EXPECT_TRUE(b->Invulnerable());
        }
        Attendre(1.05f);
        b->AnimerEtat();
        EXPECT_FALSE(b->Invulnerable());
        if (b->Etat() != Boss::ETAT_VAINCU)
            b->ChangerEtat(SilverVanto::DEBOUT);
    }
    EXPECT_EQ(b->vies, 0);
    EXPECT_EQ(b->Etat(), Boss::ETAT_VAINCU);
    EXPECT_EQ(h.Anneaux(), 0);
    EXPECT_NE(h.Etat(), HEROS_BLESSE);
    ASSERT_EQ(a.Tous<FinZone>().size(), 1u);
    EXPECT_EQ(a.Tous<FeuArtifice>().size(), 1u);
    // la capsule tombe du haut de l'écran verrouillé
    const FinZone* z = a.Tous<FinZone>()[0];
    EXPECT_FLOAT_EQ(z->position.x, float(a.scene.LimiteGauche()) + 320.f);
    EXPECT_FLOAT_EQ(z->position.y, 452.f - 480.f);
    // vaincu, il ne réagit plus
    h.ChangerEtat(HEROS_ROULADE);
    b->ToucherHeros(&h);
    EXPECT_EQ(a.Tous<FinZone>().size(), 1u);
}

TEST(Boss, DeDosIlBlesseDeFaceEtParDessusIlEncaisseEtLeHerosRebondit)
{
    Arene a;
    a.Sol(500.f);
    a.Poser();
    Heros& h = *a.heros;
    h.AjouterAnneaux(5);
    SilverVanto* b = a.Ajouter(new SilverVanto(&a.scene, {1000.f, 452.f}, 40.f));
    b->ChangerEtat(SilverVanto::DEBOUT);
    // dans son dos (il regarde à gauche), le héros qui roule est blessé
    h.position.x = 1080.f;
    h.ChangerEtat(HEROS_ROULADE);
    b->ToucherHeros(&h);
    EXPECT_EQ(b->vies, Boss::VIES);
    EXPECT_EQ(h.Anneaux(), 0);
    EXPECT_EQ(h.Etat(), HEROS_BLESSE);

    // un héros qui tombe en sautant, devant lui : le coup compte et le héros repart vers le haut
    Arene a2;
    a2.Sol(500.f);
    a2.Poser();
    Heros& h2 = *a2.heros;
    SilverVanto* b2 = a2.Ajouter(new SilverVanto(&a2.scene, {1000.f, 452.f}, 40.f));
    b2->ChangerEtat(SilverVanto::DEBOUT);
    h2.position = sf::Vector2f(990.f, 380.f);
    h2.ChangerEtat(HEROS_SAUT);
    h2.sol = nullptr;
    h2.vitesse.norme = 400.f;
    h2.vitesse.angle = 3.0 * 3.14159265358979323846 / 2.0;
    h2.vitesse.VersComposantes();
    b2->ToucherHeros(&h2);
    EXPECT_EQ(b2->vies, Boss::VIES - 1);
    EXPECT_NEAR(std::sin(h2.vitesse.angle), 1.0, 1e-6);
}

TEST(Boss, LeDoubleEnchaineRueeRueeChargeeRueeSautEtFaitDemiTourApresChaqueCourse)
{
    Arene a;
    a.Sol(500.f, 0.f, 8000.f);
    a.Poser();
    a.vueFixe = true;
    a.vue = sf::FloatRect(2700.f, 100.f, 640.f, 480.f);
    SilverVanto* b = a.Ajouter(new SilverVanto(&a.scene, {3000.f, 300.f}, 40.f));
    b->Commencer();
    std::vector<int> etats{b->Etat()};
    std::vector<bool> sens{b->VersLaDroite()};
    std::vector<float> departs{b->position.x};
    float xMin = b->position.x, xMax = b->position.x;
    for (int i = 0; i < 60 * 40 && etats.size() < 21; ++i)
    {
        a.Frame();
        xMin = std::min(xMin, b->position.x);
        xMax = std::max(xMax, b->position.x);
        if (b->Etat() != etats.back())
        {
            etats.push_back(b->Etat());
            sens.push_back(b->VersLaDroite());
            departs.push_back(b->position.x);
        }
    }
    const std::vector<int> attendus{32, 11, 12, 14, 16, 11, 12, 22, 18, 16, 11, 12, 14, 16, 11, 12, 22, 19, 18, 16, 11};
    EXPECT_EQ(etats, attendus);
    // demi-tour à la fin de chaque course : gauche, droite, gauche, droite
    ASSERT_EQ(sens.size(), attendus.size());
    EXPECT_FALSE(sens[1]);
    EXPECT_TRUE(sens[5]);
    EXPECT_FALSE(sens[10]);
    EXPECT_TRUE(sens[14]);
    EXPECT_FALSE(sens[20]);
    // une course part à 750 et freine de 542,5 px/s² : un peu plus de 500 pixels
    const float course = std::fabs(departs[4] - departs[3]) + std::fabs(departs[5] - departs[4]);
    EXPECT_GT(course, 450.f);
    EXPECT_LT(course, 560.f);
    EXPECT_GT(xMax - xMin, 400.f);
}

TEST(Boss, LaScèneDeClotureEstIntouchableEtSEnvoleVersLaDroite)
{
    Arene a;
    a.Sol(500.f);
    a.Poser();
    Heros& h = *a.heros;
    h.AjouterAnneaux(3);
    Cinematique_Z1_1* c = a.Ajouter(new Cinematique_Z1_1(&a.scene, {h.position.x, h.position.y}, 40.f));
    const float x0 = c->position.x;
    a.Secondes(1.4f);
    EXPECT_NEAR(c->position.x, x0, 1.f);
    c->ToucherHeros(&h);
    EXPECT_EQ(h.Anneaux(), 3);
    // une seconde d'accélération à 200 px/s² : une centaine de pixels
    a.Secondes(1.1f);
    EXPECT_GT(c->position.x - x0, 60.f);
    EXPECT_LT(c->position.x - x0, 160.f);
    EXPECT_EQ(h.Anneaux(), 3);
}

TEST(FinZone, TombeSePoseEtSeulSonBoutonOuvreLaCapsuleAuxTrenteDeuxLapins)
{
    Arene a;
    a.Sol(500.f);
    a.Poser();
    Heros& h = *a.heros;
    a.vueFixe = true;
    a.vue = sf::FloatRect(700.f, 100.f, 640.f, 480.f);
    FinZone* z = a.Ajouter(new FinZone(&a.scene, {1000.f, 100.f}));
    for (int i = 0; i < 300 && !z->fige; ++i)
        a.Frame();
    ASSERT_TRUE(z->fige);
    EXPECT_NEAR(z->position.y, 420.f, 1.f);
    EXPECT_EQ(z->masque, 256);
    EXPECT_EQ(a.scene.EtatScene(), SCENE_JEU);

    // le héros contre le poteau, de côté : rien ne s'ouvre
    h.position = sf::Vector2f(980.f, 470.f);
    a.Frames(20, [&] { h.Droite(); });
    EXPECT_EQ(z->Etat(), 0);
    EXPECT_EQ(a.scene.EtatScene(), SCENE_JEU);

    // il retombe sur le bouton
    h.position = sf::Vector2f(1000.f, 300.f);
    h.sol = nullptr;
    for (int i = 0; i < 120 && z->Etat() == 0; ++i)
        a.Frame([&] { h.SansDirection(); });
    EXPECT_EQ(z->Etat(), 1);
    EXPECT_EQ(a.scene.EtatScene(), SCENE_FIN_ACTE);
    EXPECT_EQ(a.Tous<FeuArtifice>().size(), 1u);
    EXPECT_TRUE(a.Tous<Lapin>().empty());
    a.Secondes(3.4f);
    EXPECT_EQ(z->Etat(), 9);
    EXPECT_EQ(a.Tous<Lapin>().size(), std::size_t(FinZone::ANIMAUX));
}
