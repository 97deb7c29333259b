// Les actes 3 et 6 joués avec leur fichier de route : la course mène chaque héros sans mort
// jusqu'à l'arène, la vue s'y ferme, le boss se réveille et se voit ; après une mort, le héros
// revient au point de passage et le combat reprend.
#include "Pilote.h"
#include "SupportQt.h"

#include "enemies/BossFinal.h"
#include "enemies/BossFinal_Tete.h"
#include "enemies/SilverVanto.h"
#include "game/Camera.h"
#include "game/Quadtree.h"

#include <QFile>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>
#include <iostream>

namespace
{
template <typename T> void Collecter(QuadtreeNode* n, std::vector<T*>& r)
{
    for (ElementScenique* e : n->Elements())
        if (T* t = dynamic_cast<T*>(e))
            if (!e->aSupprimer)
                r.push_back(t);
    for (int i = 0; i < 4; ++i)
        if (n->Enfant(i))
            Collecter(n->Enfant(i), r);
}
template <typename T> T* Premier(AppGame& app)
{
    std::vector<T*> r;
    if (app.Scene().Index())
        Collecter(&app.Scene().Index()->Racine(), r);
    return r.empty() ? nullptr : r[0];
}
// Une frame comme celle du pilote, la direction au choix (1 droite, 0 rien, -1 gauche), et les
// étapes "x>N action" d'un fichier de route (droite, stop, saut)
struct Manette
{
    float xRepere = 0.f, tRepere = 0.f, tSaut = -10.f;
    int sauts = 0;
    struct Etape
    {
        bool plus;
        float x;
        std::string action;
    };
    std::vector<Etape> etapes;
    std::size_t prochaine = 0;
    int sens = 1;
    void Lire(int niveau)
    {
        QFile f(QString("tests/integration/routes/%1.route").arg(niveau));
        if (!f.open(QIODevice::ReadOnly))
            return;
        for (const QByteArray& l : f.readAll().split('\n'))
        {
            const QList<QByteArray> m = l.split('#')[0].simplified().split(' ');
            if (m.size() >= 2 && (m[0].startsWith("x>") || m[0].startsWith("x<")))
                etapes.push_back({m[0][1] == '>', m[0].mid(2).toFloat(), m[1].toStdString()});
        }
    }
    int Route(Pilote& p)
    {
        Heros& h = *p.heros;
        if (p.app->Scene().EtatScene() != SCENE_JEU)
            prochaine = 0, sens = 1;
        while (prochaine < etapes.size() && (etapes[prochaine].plus ? h.position.x > etapes[prochaine].x
                                                                    : h.position.x < etapes[prochaine].x))
        {
            const std::string& a = etapes[prochaine++].action;
            if (a == "stop")
                sens = 0;
            else if (a == "droite")
                sens = 1;
            else if (a == "gauche")
                sens = -1;
            else if (a == "saut")
                tSaut = p.Temps(), ++sauts;
        }
        return sens;
    }
    void Frame(Pilote& p, int direction)
    {
        const float t = p.Temps();
        Heros& h = *p.heros;
        if (p.app->Scene().EtatScene() == SCENE_JEU && !h.CommandesBloquees())
        {
            if (direction > 0)
                h.Droite();
            else if (direction < 0)
                h.Gauche();
            else
                h.SansDirection();
            if (t - tRepere > 0.4f && std::fabs(h.position.x - xRepere) < 24.f && t - tSaut > 0.9f)
            {
                tSaut = t;
                ++sauts;
            }
            if (t - tSaut < 0.35f)
                h.SautMaintenu();
            else
                h.SautRelache();
        }
        if (t - tRepere > 0.4f)
        {
            xRepere = h.position.x;
            tRepere = t;
        }
        p.app->temps += Pilote::DT;
        p.app->Executer();
        MoteurGraphique::Instance()->Afficher(p.cible);
        SourceTemps::Avancer(sf::seconds(Pilote::DT));
        ++p.frame;
    }
};
struct Course
{
    int morts = 0, sauts = 0;
    float secondes = -1.f;     // arrivée du combat (le boss quitte son attente)
    float reprise = -1.f;      // reprise du combat après une mort
    int vuesCorps = 0, images = 0;
};

int EtatBoss(AppGame& app)
{
    if (SilverVanto* s = Premier<SilverVanto>(app))
        return s->Etat();
    if (BossFinal* b = Premier<BossFinal>(app))
        return b->Etat();
    return -1;
}

// Joue l'acte jusqu'au réveil du boss ; avec mourir, le héros meurt là puis le combat doit reprendre
Course Courir(int heros, int niveau, bool mourir)
{
    Course c;
    Pilote p(heros, niveau);
    Manette m;
    m.Lire(niveau);
    Heros* h = p.heros;
    AppGame& app = *p.app;
    int vies = h->Vies();
    bool mort = false, recharge = false;
    while (p.Temps() < 150.f && app.Chargeur().NumeroNiveau() == niveau)
    {
        m.Frame(p, m.Route(p));
        if (h->Vies() < vies)
            ++c.morts;
        vies = h->Vies();
        const int e = EtatBoss(app);
        if (mort && e == 0)
            recharge = true;
        if (app.Scene().EtatScene() != SCENE_JEU || e <= 0)
            continue;
        if (c.secondes < 0.f)
        {
            c.secondes = p.Temps();
            if (!mourir)
                break;
        }
        // le robot final, réveillé et hors de ses sauts, est dans la vue
        if (BossFinal* b = Premier<BossFinal>(app))
            if (b->Etat() >= BossFinal::OUVERTURE && (b->Etat() < BossFinal::SAUT || b->Etat() > BossFinal::VISEE))
            {
                const sf::Vector2f v = app.Scene().CameraScene()->Vue().getCenter();
                const sf::FloatRect vue(v.x - 320.f, v.y - 240.f, 640.f, 480.f);
                ++c.images;
                c.vuesCorps += vue.contains(b->position) && b->tete && vue.contains(b->tete->position) ? 1 : 0;
            }
        if (mourir && !mort && p.Temps() > c.secondes + 15.f)
        {
            mort = true;
            h->ChangerEtat(HEROS_MORT);
        }
        if (recharge && c.reprise < 0.f)
        {
            c.reprise = p.Temps();
            break;
        }
    }
    c.sauts = m.sauts;
    return c;
}
} // namespace

TEST(ActesBoss, LesCoursesMenentChaqueHerosALArenePuisLeCombatReprendApresUneMort)
{
    if (!QFile::exists("data/map/3.map") || !QFile::exists("data/map/6.map"))
        GTEST_SKIP() << "niveaux non générés";
    AppQt();
    for (int niveau : {3, 6})
    {
        for (int heros : {0, 1})
        {
            const Course c = Courir(heros, niveau, false);
            std::cout << "acte " << niveau << ", héros " << heros << " : combat en " << c.secondes << " s, "
                      << c.sauts << " sauts, " << c.morts << " morts\n";
            EXPECT_EQ(c.morts, 0) << niveau << " " << heros;
            EXPECT_GT(c.secondes, 0.f) << niveau << " " << heros;
        }
        const Course r = Courir(0, niveau, true);
        std::cout << "acte " << niveau << " : combat en " << r.secondes << " s, repris à " << r.reprise
                  << " s après une mort ; boss dans la vue " << r.vuesCorps << " images sur " << r.images << "\n";
        EXPECT_GT(r.reprise, r.secondes);
        if (niveau == 6)
        {
            EXPECT_GE(r.vuesCorps, r.images * 9 / 10);
        }
    }
}

TEST(ActesBoss, Exploration)
{
    const char* n = std::getenv("NIVEAU");
    const char* hs = std::getenv("HEROS");
    const char* xs = std::getenv("XSTOP");
    if (!n)
        GTEST_SKIP();
    AppQt();
    const int niveau = std::atoi(n);
    Pilote p(hs ? std::atoi(hs) : 0, niveau);
    const float xStop = xs ? float(std::atof(xs)) : 1e9f;
    Heros* h = p.heros;
    AppGame& app = *p.app;
    int seconde = -1;
    Manette m;
    m.Lire(niveau);
    while (p.Temps() < (std::getenv("DUREE") ? float(std::atof(std::getenv("DUREE"))) : 200.f))
    {
        // arrivée dans l'arène : le héros ne pousse plus, il saute sur place
        m.Frame(p, xs ? (h->position.x > xStop ? 0 : 1) : m.Route(p));
        if (int(p.Temps()) != seconde)
        {
            seconde = int(p.Temps());
            std::cout << "t " << seconde << " niv " << app.Chargeur().NumeroNiveau() << " h " << int(h->position.x)
                      << "," << int(h->position.y) << " e" << h->Etat() << " ann " << h->Anneaux() << " vies "
                      << h->Vies() << " scene " << app.Scene().EtatScene() << " lim " << app.Scene().LimiteGauche()
                      << "-" << app.Scene().LimiteDroite();
            if (SilverVanto* s = Premier<SilverVanto>(app))
                std::cout << " SV " << int(s->position.x) << "," << int(s->position.y) << " e" << s->Etat() << " v"
                          << s->vies;
            if (BossFinal* b = Premier<BossFinal>(app))
                std::cout << " BF " << int(b->position.x) << "," << int(b->position.y) << " e" << b->Etat() << " pv"
                          << b->pointsDeVie;
            std::cout << std::endl;
            // clichés demandés : CLICHES=secondes,secondes...
            if (const char* c = std::getenv("CLICHES"))
                for (const QByteArray& v : QByteArray(c).split(','))
                    if (v.toInt() == seconde)
                        p.cible.getTexture().copyToImage().saveToFile(
                            "/tmp/bosses/cliche_" + std::to_string(niveau) + "_" + std::to_string(seconde) + ".png");
        }
        if (app.Chargeur().NumeroNiveau() != niveau && p.Temps() > 5.f)
            break;
    }
}
