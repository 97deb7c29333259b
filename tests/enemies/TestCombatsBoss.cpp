// Combats de boss joués jusqu'au bout : le robot final vaincu en plein mouvement, son arène
// qui attend le héros, le double robot frappé dans ses deux sens, vaincu pour de bon, et les
// bulles de chaque bassin.
#include "Arene.h"

#include "enemies/BossFinal.h"
#include "enemies/BossFinal_AvantBras.h"
#include "enemies/BossFinal_Botte.h"
#include "enemies/BossFinal_Bras.h"
#include "enemies/BossFinal_Epaule.h"
#include "enemies/BossFinal_Genou.h"
#include "enemies/BossFinal_Reacteur.h"
#include "enemies/BossFinal_Tete.h"
#include "enemies/SilverVanto.h"
#include "enemies/ZubBombe.h"
#include "game/Camera.h"
#include "objects/BassinEau.h"
#include "objects/Bulle.h"
#include "objects/SourceBulles.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <iostream>
#include <map>
#include <vector>

namespace
{
const float SOL = 500.f;
const float Y_CORPS = SOL - 184.f;

float Distance(const sf::Vector2f& a, const sf::Vector2f& b)
{
    return std::hypot(a.x - b.x, a.y - b.y);
}

// Arène avec une vraie caméra qui suit le héros ; la vue de chaque frame est la sienne
struct AreneCamera : Arene
{
    Camera camera{nullptr};
    explicit AreneCamera(sf::Vector2f depart) : Arene(depart)
    {
        camera.Lier(&scene);
        scene.FixerCamera(&camera);
        camera.FixerCible(heros);
    }
    ~AreneCamera() { scene.FixerCamera(nullptr); }
    void Image(const std::function<void()>& commandes)
    {
        camera.Actualiser();
        const sf::Vector2f c = camera.Vue().getCenter();
        vue = sf::FloatRect(c.x - 320.f, c.y - 240.f, 640.f, 480.f);
        vueFixe = true;
        Frame(commandes);
    }
    float BordDroit() const { return camera.Vue().getCenter().x + 320.f; }
};
} // namespace

TEST(CombatsBoss, LeRobotFinalVaincuEnPleinMouvementSArreteEtPlusRienDeLuiNeBlesse)
{
    const int etats[] = {BossFinal::SAUT, BossFinal::CHUTE, BossFinal::AMORTI, BossFinal::FENTE, BossFinal::RELEVE};
    float pireDerive = 0.f;
    int etatsOuIlBlesse = 0;
    for (int e : etats)
    {
        Arene a(sf::Vector2f(300.f, 400.f));
        a.scene.FixerLimiteDroite(1280);
        a.Sol(SOL);
        a.Poser();
        BossFinal* b = a.Ajouter(new BossFinal(&a.scene, {1000.f, Y_CORPS}, 40.f));
        a.scene.FixerLimiteDroite(1280);
        a.vueFixe = true;
        a.vue = sf::FloatRect(0.f, -900.f, 1280.f, 1700.f);
        Heros& h = *a.heros;
        // une bombe lancée avant la défaite
        b->ChangerEtat(BossFinal::BOMBES);
        a.Secondes(1.6f);
        ASSERT_EQ(a.Tous<ZubBombe>().size(), 1u);
        b->ChangerEtat(e);
        a.Secondes(0.3f);
        // le dernier coup : il tombe là où il est
        b->pointsDeVie = 0;
        SourceTemps::Avancer(sf::seconds(1.1f));
        b->AnimerEtat();
        h.ChangerEtat(HEROS_ROULADE);
        b->ToucherHeros(&h);
        ASSERT_EQ(b->Etat(), BossFinal::VAINCU);
        // la bombe encore en vol ou posée
        bool blesse = false;
        for (ZubBombe* z : a.Tous<ZubBombe>())
        {
            h.AjouterAnneaux(5);
            h.ChangerEtat(HEROS_DEBOUT);
            z->ToucherHeros(&h);
            blesse = blesse || h.Etat() == HEROS_BLESSE || h.Anneaux() == 0;
        }
        const sf::Vector2f ici = b->position;
        a.Secondes(1.5f);
        const float derive = Distance(b->position, ici);
        pireDerive = std::max(pireDerive, derive);
        EXPECT_LT(derive, 2.f) << "état " << e;

        // le héros touche chaque morceau : rien ne le blesse
        std::vector<CercleScenique*> morceaux{b->reacteur,        b->tete,           b->epaule,
                                              b->genou1,          b->genou2,         b->genou1->Botte(),
                                              b->genou2->Botte(), b->bras1,          b->bras2,
                                              b->bras1->AvantBras(), b->bras2->AvantBras()};
        for (CercleScenique* m : morceaux)
        {
            EXPECT_NE(m, nullptr);
            if (!m)
                continue;
            h.AjouterAnneaux(5);
            h.ChangerEtat(HEROS_DEBOUT);
            m->ToucherHeros(&h);
            blesse = blesse || h.Etat() == HEROS_BLESSE || h.Anneaux() == 0;
        }
        etatsOuIlBlesse += blesse ? 1 : 0;
        EXPECT_FALSE(blesse) << "état " << e;
    }
    std::cout << "robot final vaincu en mouvement : dérive maximale " << pireDerive << " px en 1,5 s, "
              << etatsOuIlBlesse << " états sur 5 où il blesse encore\n";
}

TEST(CombatsBoss, LeRobotFinalAttendLeHerosDansSonAreneQuIlNePeutContourner)
{
    // une arène au bout d'un long sol ; le héros en est loin
    AreneCamera a(sf::Vector2f(300.f, 400.f));
    a.scene.FixerLimiteBas(SOL + 64);
    a.Sol(SOL);
    a.Poser();
    a.heros->AjouterAnneaux(50);
    const float xBoss = 3000.f;
    BossFinal* b = a.Ajouter(new BossFinal(&a.scene, {xBoss, Y_CORPS}, 40.f));
    // loin de l'arène, rien ne commence, même après 8 s
    a.Secondes(0.f);
    for (int i = 0; i < 480; ++i)
        a.Image([&] { a.heros->SansDirection(); });
    const int etatLoin = b->Etat();
    EXPECT_EQ(etatLoin, BossFinal::ATTENTE);

    // droite tenue et un saut tenu dès qu'il piétine, comme un joueur qui découvre l'arène
    float xMax = 0.f, ecartBord = 1e9f;
    int etatMax = 0;
    float xPrec = a.heros->position.x;
    int sautRestant = 0;
    for (int i = 0; i < 60 * 25; ++i)
    {
        if (i % 24 == 0)
        {
            if (a.heros->position.x - xPrec < 24.f)
                sautRestant = 21;
            xPrec = a.heros->position.x;
        }
        a.Image([&] {
            a.heros->Droite();
            if (sautRestant-- > 0)
                a.heros->SautMaintenu();
            else
                a.heros->SautRelache();
        });
        xMax = std::max(xMax, a.heros->position.x);
        ecartBord = std::min(ecartBord, a.BordDroit() - a.heros->position.x);
        etatMax = std::max(etatMax, b->Etat());
    }
    std::cout << "robot final : état loin de l'arène " << etatLoin << ", héros au plus loin " << xMax - xBoss
              << " px derrière le corps, " << ecartBord << " px du bord droit de l'écran, état atteint " << etatMax
              << "\n";
    // le héros ne passe pas dans son dos et reste entier dans la vue
    EXPECT_LT(xMax, xBoss + 72.f);
    EXPECT_GE(ecartBord, a.heros->rayon);
    // la vue s'est fermée sur l'écran du combat et le combat a commencé
    EXPECT_EQ(a.scene.LimiteGauche(), int(xBoss + 96.f) - 640);
    EXPECT_FLOAT_EQ(b->milieuArene, xBoss + 96.f - 320.f);
    EXPECT_GE(etatMax, int(BossFinal::MARCHE));
}

TEST(CombatsBoss, LeDoubleSeFrappeDansSesDeuxSensEtVaincuLeResteDansUneAreneQuiGardeLeHerosEnVue)
{
    // il fonce vers le héros qui saute sur place devant lui : le coup porte dans les deux sens
    int coupsPortes = 0;
    for (bool versLaDroite : {true, false})
    {
        Arene a;
        a.Sol(500.f);
        a.Poser();
        Heros& h = *a.heros;
        SilverVanto* b = a.Ajouter(new SilverVanto(&a.scene, {1000.f, 452.f}, 40.f));
        b->versLaDroite = versLaDroite;
        b->ChangerEtat(SilverVanto::RUEE);
        b->vitesse.x = versLaDroite ? 600.f : -600.f;
        b->vitesse.y = 0.f;
        b->vitesse.VersPolaire();
        h.position.x = versLaDroite ? 1080.f : 920.f;
        h.ChangerEtat(HEROS_SAUT);
        h.vitesse.x = 0.f;
        h.vitesse.y = -400.f;
        h.vitesse.VersPolaire();
        b->ToucherHeros(&h);
        coupsPortes += b->vies < Boss::VIES ? 1 : 0;
    }
    EXPECT_EQ(coupsPortes, 2);

    // vaincu, une réception ne relance pas le combat
    Arene v;
    v.Sol(500.f);
    SilverVanto* d = v.Ajouter(new SilverVanto(&v.scene, {1000.f, 300.f}, 40.f));
    d->ChangerEtat(SilverVanto::SAUT);
    d->ChangerEtat(Boss::ETAT_VAINCU);
    v.Secondes(2.f);
    d->Reception();
    v.Secondes(4.f);
    const int etatApres = d->Etat();
    EXPECT_EQ(etatApres, Boss::ETAT_VAINCU);

    // dans l'arène fermée, le héros qui pousse à droite reste entier dans la vue, même repoussé
    // au-delà du bord puis immobile
    AreneCamera a(sf::Vector2f(2400.f, 400.f));
    a.Sol(500.f);
    a.Poser();
    SilverVanto* b = a.Ajouter(new SilverVanto(&a.scene, {3000.f, 200.f}, 40.f));
    for (int i = 0; i < 60 * 3; ++i)
        a.Image([&] { a.heros->Droite(); });
    ASSERT_NE(b->Etat(), 0);
    EXPECT_EQ(a.BordDroit(), 3064.f);
    a.heros->position.x = a.heros->positionSuivante.x = a.heros->positionPrecedente.x = 3074.f;
    float ecartBord = 1e9f;
    for (int i = 0; i < 60; ++i)
    {
        a.Image([&] { a.heros->SansDirection(); });
        if (i > 2)
            ecartBord = std::min(ecartBord, a.BordDroit() - a.heros->position.x);
    }
    EXPECT_GE(ecartBord, a.heros->rayon);
    std::cout << "double robot : " << coupsPortes << " coups portés sur 2 sens, état après réception " << etatApres
              << ", héros à " << ecartBord << " px du bord droit\n";
}

TEST(CombatsBoss, ChaqueBassinFaitEclaterSesPetitesBullesSousSaPropreSurface)
{
    // une mare, puis la mer créée en dernier, plus bas
    Arene a;
    std::srand(7);
    BassinEau* mare = a.Ajouter(new BassinEau(&a.scene, {1000.f, 600.f}, 5.f, {8.f, 3.f}));
    a.Ajouter(new BassinEau(&a.scene, {32.f, 1536.f}, 5.f, {120.f, 1.f}));
    a.Ajouter(new SourceBulles(&a.scene, {1200.f, 720.f}, 30.f));
    a.vueFixe = true;
    a.vue = sf::FloatRect(900.f, 300.f, 640.f, 480.f);
    const float surface = mare->positionElement.y - 32.f;
    std::map<Bulle*, float> hautes;
    int petites = 0, auDessus = 0;
    for (int i = 0; i < 60 * 12; ++i)
    {
        a.Frame();
        for (Bulle* bu : a.Tous<Bulle>())
        {
            if (bu->ImageCible() >= 6)
                continue;
            if (!hautes.count(bu))
                ++petites, hautes[bu] = bu->position.y;
            hautes[bu] = std::min(hautes[bu], bu->position.y);
        }
    }
    for (const auto& p : hautes)
        auDessus += p.second < surface ? 1 : 0;
    std::cout << "bulles : " << petites << " petites, " << auDessus << " montées au-dessus de la surface\n";
    EXPECT_GE(petites, 5);
    EXPECT_EQ(auDessus, 0);
}
