// Robot final : membres construits et attachés, ouverture, marche, saut et viseur, chute sur la
// cible, fente et poings-fusées ou bombes, coups encaissés, défaite et capsule.
#include "Arene.h"

#include "enemies/BossFinal.h"
#include "enemies/BossFinal_AvantBras.h"
#include "enemies/BossFinal_Botte.h"
#include "enemies/BossFinal_Bras.h"
#include "enemies/BossFinal_Epaule.h"
#include "enemies/BossFinal_Genou.h"
#include "enemies/BossFinal_Reacteur.h"
#include "enemies/BossFinal_Tete.h"
#include "enemies/Malvek.h"
#include "enemies/Viseur.h"
#include "enemies/ZubBombe.h"
#include "engine/GestionnaireAudio.h"
#include "engine/MoteurAudio.h"
#include "objects/FeuArtifice.h"
#include "objects/FinZone.h"
#include "scene/Sprite.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace
{
const double PI = 3.14159265358979323846;
// sol à 500 : les bottes (rayon 60, 124 sous le corps) y reposent quand le corps est à 316
const float SOL = 500.f;
const float Y_CORPS = SOL - 184.f;

struct AreneFinale : Arene
{
    BossFinal* b;
    AreneFinale(float x = 1000.f) : Arene(sf::Vector2f(300.f, 400.f))
    {
        // une arène de 1280 pixels : son milieu est à 640
        scene.FixerLimiteDroite(1280);
        Sol(SOL);
        Poser();
        heros->AjouterAnneaux(50);
        b = Ajouter(new BossFinal(&scene, {x, Y_CORPS}, 40.f));
        // le robot borne l'arène contre son dos ; ici elle garde ses 1280 pixels
        scene.FixerLimiteDroite(1280);
        vueFixe = true;
        vue = sf::FloatRect(0.f, -600.f, 1280.f, 1400.f);
    }
    // le héros posé ailleurs, à l'arrêt
    void Deplacer(float x)
    {
        heros->position.x = heros->positionSuivante.x = heros->positionPrecedente.x = x;
    }
    void Pas() { Frame([this] { heros->SansDirection(); heros->SautRelache(); }); }
};

bool Dans(float v, float a, float b)
{
    return v >= a && v <= b;
}

sf::Vector2i Cadre(const ElementScenique* e)
{
    const sf::IntRect r = e->Sprites()[0]->SpriteSFML().getTextureRect();
    return sf::Vector2i(r.top, r.left);
}
} // namespace

TEST(BossFinal, LeCorpsFabriqueSesMembresEtLesEmporteDansLaMemeFrame)
{
    AreneFinale a;
    BossFinal& b = *a.b;
    struct Attendu
    {
        CercleMecanique* m;
        CercleMecanique* parent;
        float profondeur, rayon;
        sf::Vector2f decalage;
        bool fige;
    };
    BossFinal_Botte* botte1 = b.genou1->Botte();
    BossFinal_Botte* botte2 = b.genou2->Botte();
    BossFinal_AvantBras* av1 = b.bras1->AvantBras();
    BossFinal_AvantBras* av2 = b.bras2->AvantBras();
    ASSERT_TRUE(botte1 && botte2 && av1 && av2 && b.viseur);
    const std::vector<Attendu> attendus{
        {b.reacteur, &b, 36.f, 30.f, {112.f, 24.f}, true},  {b.tete, &b, 38.f, 30.f, {32.f, -80.f}, true},
        {b.genou1, &b, 41.f, 32.f, {8.f, 72.f}, false},     {b.genou2, &b, 38.f, 32.f, {8.f, 72.f}, false},
        {b.epaule, &b, 44.f, 30.f, {24.f, -40.f}, true},    {b.bras1, &b, 41.f, 24.f, {24.f, -14.f}, false},
        {b.bras2, &b, 39.f, 24.f, {24.f, -14.f}, false},    {botte1, b.genou1, 42.f, 60.f, {0.f, 52.f}, false},
        {botte2, b.genou2, 39.f, 60.f, {0.f, 52.f}, false}, {av1, b.bras1, 43.f, 32.f, {-74.f, 30.f}, false},
        {av2, b.bras2, 37.f, 32.f, {-74.f, 30.f}, false}};
    for (const Attendu& t : attendus)
    {
        ASSERT_NE(t.m, nullptr);
        EXPECT_EQ(t.m->Parent(), t.parent);
        EXPECT_TRUE(Dans(t.m->profondeur, t.profondeur, t.profondeur + 1.f)) << t.m->profondeur;
        EXPECT_FLOAT_EQ(t.m->rayon, t.rayon);
        EXPECT_EQ(t.m->decalageSprite, t.decalage);
        EXPECT_TRUE(t.m->avecDecalage);
        EXPECT_EQ(t.m->fige, t.fige);
        EXPECT_TRUE(a.Range(t.m));
    }
    EXPECT_FLOAT_EQ(av1->masse, 300.f);
    EXPECT_FLOAT_EQ(b.genou1->masse, 0.f);
    EXPECT_FLOAT_EQ(b.rayon, 72.f);
    EXPECT_EQ(b.genou1->Enfant(), botte1);
    EXPECT_TRUE(a.Range(b.viseur));
    EXPECT_EQ(b.viseur->Etat(), Viseur::REPOS);
    EXPECT_FLOAT_EQ(b.milieuArene, 640.f);
    // la silhouette est en place : botte = corps + cuisse + botte
    EXPECT_EQ(botte1->position, sf::Vector2f(1008.f, Y_CORPS + 124.f));
    EXPECT_EQ(av2->position, sf::Vector2f(1000.f + 24.f - 74.f, Y_CORPS - 14.f + 30.f));

    // le corps bouge : chaque membre attaché le suit dans la frame même, fige ou non
    b.FixerMoteur(true);
    b.forceMoteur.angle = PI / 2.0;
    b.forceMoteur.norme = 600.f;
    // une frame pour entrer dans les listes du moteur, une pour bouger
    a.Pas();
    a.Pas();
    ASSERT_LT(b.position.y, Y_CORPS - 5.f);
    for (const Attendu& t : attendus)
    {
        const CercleMecanique* p = t.parent;
        EXPECT_EQ(t.m->position, p->position + t.decalage) << t.profondeur;
    }
    EXPECT_EQ(b.tete->position, b.position + sf::Vector2f(32.f, -80.f));
    EXPECT_EQ(b.tete->Sprites()[0]->Position(), b.tete->position);

    // un membre supprimé par la scène ne laisse pas de pointeur pendant au corps
    b.tete->FixerSuppression(true);
    a.Pas();
    EXPECT_EQ(b.tete, nullptr);
}

TEST(BossFinal, UnCombatComplet)
{
    AreneFinale a;
    BossFinal& b = *a.b;
    BossFinal_AvantBras* av1 = b.bras1->AvantBras();
    std::vector<int> etats{b.Etat()};
    std::vector<float> instants{0.f};
    std::vector<int> pasGenou1, pasGenou2;
    std::set<const ZubBombe*> bombesVues;
    std::vector<double> anglesBombes;
    std::vector<float> instantsBombes;
    float t = 0.f, xVerrou = 0.f, portee = 0.f, yMin = Y_CORPS;
    bool verrouille = false, piloteVu = false;
    float xApresPas = 0.f, xFinRecul = 0.f;
    auto Instant = [&](int e) {
        for (std::size_t i = 0; i < etats.size(); ++i)
            if (etats[i] == e)
                return instants[i];
        return -1.f;
    };
    for (int i = 0; i < 60 * 120 && etats.size() < 31; ++i)
    {
        if (a.heros->Anneaux() < 10)
            a.heros->AjouterAnneaux(50);
        a.Pas();
        t += Arene::DT;
        if (b.Etat() != etats.back())
        {
            etats.push_back(b.Etat());
            instants.push_back(t);
            if (b.Etat() == BossFinal::RECUL && xApresPas == 0.f)
                xApresPas = b.position.x;
            if (b.Etat() == BossFinal::SAUT && xFinRecul == 0.f)
                xFinRecul = b.position.x;
            if (b.Etat() == BossFinal::CHUTE)
            {
                // le corps part d'où le viseur s'est verrouillé, pas d'où est le héros
                EXPECT_FLOAT_EQ(b.position.x, xVerrou);
                EXPECT_EQ(b.VersLaDroite(), xVerrou >= 640.f);
            }
            if (b.Etat() == BossFinal::AMORTI)
            {
                // posé sur ses bottes, à l'aplomb de la première (il a déjà plié d'une frame)
                BossFinal_Botte* bo = b.genou1->Botte();
                EXPECT_NEAR(bo->position.y, SOL - 60.f, 1.f);
                EXPECT_NEAR(b.position.y, Y_CORPS, 4.f);
                EXPECT_NEAR(b.position.x, xVerrou, 4.f);
                EXPECT_NE(bo->sol, nullptr);
            }
        }
        yMin = std::min(yMin, b.position.y);
        if (b.pilote)
            piloteVu = true;
        if (b.genou1 && (pasGenou1.empty() || pasGenou1.back() != b.genou1->Etat()))
            pasGenou1.push_back(b.genou1->Etat());
        if (b.genou2 && (pasGenou2.empty() || pasGenou2.back() != b.genou2->Etat()))
            pasGenou2.push_back(b.genou2->Etat());
        // verrouillé sur le héros, le viseur y reste : le héros s'écarte, la chute vise l'ancien point
        if (b.viseur->Etat() == Viseur::VERROU && !verrouille)
        {
            verrouille = true;
            xVerrou = b.viseur->position.x;
            EXPECT_NEAR(xVerrou, a.heros->position.x, 8.f);
            // premier saut : verrou à gauche (il regardera +x), le héros devant lui ;
            // second : verrou à droite (il regardera -x), le héros dans son dos
            const bool premier = std::count(etats.begin(), etats.end(), int(BossFinal::CHUTE)) == 0;
            a.Deplacer(premier ? xVerrou + 700.f : xVerrou + 250.f);
        }
        if (b.viseur->Etat() == Viseur::REPOS)
            verrouille = false;
        if (b.Etat() == BossFinal::POING_AVANT && av1)
            portee = std::max(portee, std::fabs(av1->position.x - (b.bras1->position.x + 74.f)));
        for (ZubBombe* z : a.Tous<ZubBombe>())
            if (bombesVues.insert(z).second)
            {
                anglesBombes.push_back(z->forceElan.angle);
                instantsBombes.push_back(t);
            }
        // au premier verrou, le héros est à 300 : il reste à gauche du milieu
        if (etats.back() == BossFinal::PAUSE && !verrouille)
            a.Deplacer(300.f);
        if (etats.back() == BossFinal::DEBOUT_RELEVE)
            a.Deplacer(900.f);
    }
    const std::vector<int> attendus{0,  36, 37, 38, 39, 41, 42, 64, 65, 66, 71, 72, 73, 11, 74, 75,
                                    78, 79, 76, 77, 41, 42, 64, 65, 66, 71, 72, 73, 11, 81, 64};
    ASSERT_EQ(etats, attendus);
    const float f = 3.f * Arene::DT;
    // ouverture : 5 s d'attente, tête ouverte en 0,9 s, pilote 3 s, tête fermée, 2 s de pause
    EXPECT_NEAR(Instant(36), 5.f, f);
    EXPECT_NEAR(Instant(37) - Instant(36), 0.9f, f);
    EXPECT_NEAR(Instant(38) - Instant(37), 3.f, f);
    EXPECT_NEAR(Instant(39) - Instant(38), 0.9f, f);
    EXPECT_NEAR(Instant(41) - Instant(39), 2.f, f);
    EXPECT_TRUE(piloteVu);
    EXPECT_TRUE(a.Tous<Malvek>().empty());
    // marche : petit pas de la jambe avant, grand pas de l'autre, pause, un pas en arrière
    EXPECT_EQ(std::vector<int>(pasGenou1.begin(), pasGenou1.begin() + 4), (std::vector<int>{0, 43, 49, 0}));
    EXPECT_EQ(std::vector<int>(pasGenou2.begin(), pasGenou2.begin() + 6),
              (std::vector<int>{0, 50, 56, 57, 63, 0}));
    EXPECT_TRUE(Dans(1000.f - xApresPas, 100.f, 200.f)) << xApresPas;
    EXPECT_TRUE(Dans(xFinRecul - xApresPas, 20.f, 80.f)) << xFinRecul;
    // saut : plus de 528 pixels au-dessus du sol de départ, suspendu 0,5 s, viseur 3 s + 1 s
    EXPECT_LT(yMin, Y_CORPS - 528.f);
    EXPECT_NEAR(Instant(66) - Instant(65), 0.5f, f);
    EXPECT_NEAR(Instant(71) - Instant(66), 4.f, 3.f * f);
    EXPECT_NEAR(Instant(11) - Instant(73), 2.f, f);
    // héros devant : fente, puis deux poings ; l'avant-bras part à environ 510 pixels
    EXPECT_TRUE(Dans(portee, 450.f, 570.f)) << portee;
    EXPECT_GT(Instant(79) - Instant(78), 1.f);
    // héros derrière : trois bombes à 1,5 s d'intervalle, 81°, 67,5° et 45° vers son dos (+x)
    ASSERT_EQ(anglesBombes.size(), 3u);
    const double deg = PI / 180.0;
    EXPECT_NEAR(anglesBombes[0], 81.0 * deg, 1e-4);
    EXPECT_NEAR(anglesBombes[1], 67.5 * deg, 1e-4);
    EXPECT_NEAR(anglesBombes[2], 45.0 * deg, 1e-4);
    EXPECT_NEAR(instantsBombes[1] - instantsBombes[0], 1.5f, f);
    EXPECT_NEAR(instantsBombes[2] - instantsBombes[1], 1.5f, f);
    EXPECT_NEAR(etats.size() == attendus.size() ? instants.back() - instantsBombes[2] : 0.f, 1.5f, f);
    // les bombes posées explosent et disparaissent
    a.Secondes(3.f);
    EXPECT_TRUE(a.Tous<ZubBombe>().empty());
}

TEST(BossFinal, SeptCoupsEspacesDUneSecondePuisLeHuitiemeLAbatEtLacheLaCapsule)
{
    AreneFinale a;
    BossFinal& b = *a.b;
    Heros& h = *a.heros;
    b.Commencer();
    sf::Music* musique = GestionnaireAudio::Instance()->Musique(BossFinal::MUSIQUE, false);
    ASSERT_NE(musique, nullptr);
    ASSERT_FALSE(MoteurAudio::Instance()->Pile().empty());
    EXPECT_EQ(MoteurAudio::Instance()->Pile().back(), musique);
    // sans attaquer, le héros qui touche le corps est blessé et le corps ne perd rien
    h.AjouterAnneaux(5);
    b.ToucherHeros(&h);
    EXPECT_EQ(h.Etat(), HEROS_BLESSE);
    EXPECT_EQ(b.pointsDeVie, 7);
    a.Poser();
    ASSERT_NE(h.sol, nullptr);
    // le héros qui roule au sol : chaque coup compte une fois par seconde et le renvoie
    for (int coup = 1; coup <= 8; ++coup)
    {
        h.ChangerEtat(HEROS_ROULADE);
        h.positionPrecedente = sf::Vector2f(600.f, 470.f);
        h.forceMoteur.norme = 300.f;
        ASSERT_NE(h.sol, nullptr);
        b.ToucherHeros(&h);
        if (coup <= 7)
        {
            EXPECT_EQ(b.pointsDeVie, 7 - coup);
            EXPECT_TRUE(b.Invulnerable());
            // une touche de plus dans la seconde : rien
            b.ToucherHeros(&h);
            EXPECT_EQ(b.pointsDeVie, 7 - coup);
            EXPECT_NE(b.Etat(), BossFinal::VAINCU);
        }
        EXPECT_EQ(h.positionSuivante, sf::Vector2f(600.f, 470.f)) << coup;
        EXPECT_FLOAT_EQ(h.forceMoteur.norme, -300.f) << coup;
        if (coup == 1)
        {
            // il clignote toutes les 0,2 s, et ses jambes et bras avec lui
            b.AnimerEtat();
            b.genou1->AnimerEtat();
            SourceTemps::Avancer(sf::seconds(0.15f));
            b.AnimerEtat();
            b.genou1->AnimerEtat();
            EXPECT_EQ(Cadre(&b), sf::Vector2i(64, 320));
            EXPECT_EQ(Cadre(b.genou1), sf::Vector2i(224, 320));
            SourceTemps::Avancer(sf::seconds(0.1f));
            b.AnimerEtat();
            EXPECT_EQ(Cadre(&b), sf::Vector2i(64, 0));
        }
        SourceTemps::Avancer(sf::seconds(1.05f));
        b.AnimerEtat();
        EXPECT_FALSE(b.Invulnerable());
    }
    EXPECT_EQ(b.Etat(), BossFinal::VAINCU);
    EXPECT_EQ(b.pointsDeVie, 0);
    // clôture : feu d'artifice sur le corps, capsule au milieu du dernier écran, musique arrêtée
    ASSERT_EQ(a.Tous<FeuArtifice>().size(), 1u);
    ASSERT_EQ(a.Tous<FinZone>().size(), 1u);
    const FinZone* z = a.Tous<FinZone>()[0];
    EXPECT_FLOAT_EQ(z->position.x, 1280.f - 320.f);
    EXPECT_FLOAT_EQ(z->position.y, Y_CORPS + 72.f - 80.f);
    const std::vector<sf::Music*>& pile = MoteurAudio::Instance()->Pile();
    EXPECT_EQ(std::find(pile.begin(), pile.end(), musique), pile.end());
    // vaincu, le corps ne réagit plus
    h.ChangerEtat(HEROS_ROULADE);
    b.ToucherHeros(&h);
    EXPECT_EQ(a.Tous<FinZone>().size(), 1u);
}

TEST(BossFinal, LesMorceauxSurvivantAuCorpsNeGardentRienDeLui)
{
    AreneFinale a;
    BossFinal* b = a.b;
    BossFinal_Bras* bras = b->bras1;
    BossFinal_AvantBras* av = bras->AvantBras();
    BossFinal_Genou* genou = b->genou2;
    Viseur* v = b->viseur;
    // bras détaché, porté par le corps
    bras->UtiliserDecalage(false);
    bras->Entrainer();
    av->Entrainer();
    ASSERT_EQ(bras->support, &b->forceMoteur);
    // le corps disparaît seul : plus de parent, de support ni d'ancre vers lui
    b->FixerSuppression(true);
    a.Pas();
    ASSERT_FALSE(a.Range(b));
    EXPECT_EQ(bras->Parent(), nullptr);
    EXPECT_EQ(bras->support, &bras->forcePropre);
    EXPECT_EQ(av->support, &av->forcePropre);
    EXPECT_EQ(genou->Parent(), nullptr);
    EXPECT_EQ(genou->corps, nullptr);
    EXPECT_EQ(v->corps, nullptr);
    // les survivants vivent encore quelques frames sans rien toucher de lui
    a.Secondes(0.5f);
    EXPECT_TRUE(a.Range(genou));
}

TEST(BossFinal, LeViseurRattrapeLeHerosLeSuitPuisResteSurLePointVerrouille)
{
    Arene a(sf::Vector2f(300.f, 400.f));
    a.Sol(SOL);
    a.Poser();
    Heros& h = *a.heros;
    Viseur* v = a.Ajouter(new Viseur(&a.scene, {900.f, 150.f}));
    // au repos, il colle au héros
    a.Frames(3);
    EXPECT_EQ(v->position, h.position);
    v->position = v->positionSuivante = sf::Vector2f(900.f, 150.f);
    v->ChangerEtat(Viseur::POURSUITE);
    float tAtteint = -1.f;
    for (int i = 0; i < 120 && tAtteint < 0.f; ++i)
    {
        a.Frame();
        const sf::Vector2f d = v->position - h.position;
        if (std::sqrt(d.x * d.x + d.y * d.y) <= 8.f)
            tAtteint = float(i + 1) * Arene::DT;
    }
    // 650 pixels à 981 px/s² : un peu plus d'une seconde
    EXPECT_TRUE(Dans(tAtteint, 0.9f, 1.6f)) << tAtteint;
    // accroché, il suit le héros qui court
    a.Frames(40, [&h] { h.Droite(); });
    EXPECT_EQ(v->Etat(), Viseur::POURSUITE);
    EXPECT_LT(std::fabs(v->position.x - h.position.x), 12.f);
    EXPECT_GT(h.position.x, 320.f);
    // au bout de 3 s il se verrouille : le héros s'en va, le viseur reste
    a.Secondes(3.1f - tAtteint - 40.f * Arene::DT, [&h] { h.SansDirection(); });
    ASSERT_EQ(v->Etat(), Viseur::VERROU);
    const sf::Vector2f verrou = v->position;
    a.Secondes(0.6f, [&h] { h.Gauche(); });
    EXPECT_GT(std::fabs(h.position.x - verrou.x), 40.f);
    EXPECT_LT(std::fabs(v->position.x - verrou.x), 2.f);
    a.Secondes(0.5f, [&h] { h.SansDirection(); });
    EXPECT_EQ(v->Etat(), Viseur::PRET);
}
