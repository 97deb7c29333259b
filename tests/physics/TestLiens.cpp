#include "enemies/Arene.h"
#include "enemies/Coccinelle.h"
#include "objects/Bloc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace
{
// Bloc qui compte ses reconstructions
struct BlocCompte : Bloc
{
    using Bloc::Bloc;
    int reconstructions = 0;
    void ReconstruireSegments() override
    {
        ++reconstructions;
        Bloc::ReconstruireSegments();
    }
};

// Ce que désignent les pointeurs d'un corps existe-t-il encore, au bon endroit ?
// (on compare des adresses avant de lire quoi que ce soit)
std::string Pendants(Arene& a, const EntitePhysique& corps, const char* nom)
{
    std::string r;
    const std::vector<PolygoneScenique*> polygones = a.Tous<PolygoneScenique>();
    if (corps.sol)
    {
        const Segment* s = nullptr;
        for (PolygoneScenique* p : polygones)
            for (Segment* t : p->Segments())
                if (t == corps.sol)
                    s = t;
        if (!s)
            r += std::string(nom) + " : sol disparu ; ";
        else
        {
            // le segment porte le corps : sous lui, à un rayon de son centre
            const float h = s->Normale().x * corps.position.x + s->Normale().y * corps.position.y;
            const float u = s->Direction().x * corps.position.x + s->Direction().y * corps.position.y;
            if (std::fabs(std::fabs(h - s->DistanceOrigine()) - corps.rayon) > 6.f ||
                u < s->ProjA() - corps.rayon || u > s->ProjB() + corps.rayon)
                r += std::string(nom) + " : sol qui n'est pas sous lui ; ";
        }
    }
    const auto forceVivante = [&](const Force* f) {
        if (f == &corps.forcePropre || f == &a.heros->forceMoteur)
            return true;
        for (PolygoneScenique* p : polygones)
            if (f == &p->forceMoteur)
                return true;
        return false;
    };
    if (!forceVivante(corps.support))
        r += std::string(nom) + " : support disparu ; ";
    if (!forceVivante(corps.forceExterne))
        r += std::string(nom) + " : force externe disparue ; ";
    if (corps.collision.autre)
    {
        bool vivant = false;
        for (PolygoneScenique* p : polygones)
            vivant = vivant || corps.collision.autre == p;
        if (!vivant)
            r += std::string(nom) + " : contact avec un polygone disparu ; ";
    }
    return r;
}
}

// Un robot sur le bloc que le héros pousse contre une pente (contour reconstruit à chaque contact), le héros remplacé pendant
// la poussée, puis le sol supprimé sous le héros : aucun corps ne garde de pointeur vers un segment,
// une force ou un polygone disparus, quel que soit l'ordre des suppressions.
TEST(Liens, RienNeDesigneUnContourDisparu)
{
    Arene a({450.f, 400.f});
    a.Chaine({{0.f, 500.f}, {640.f, 500.f}, {1240.f, 200.f}});
    BlocCompte* bloc = a.Ajouter(new BlocCompte(&a.scene, {626.f, 468.f}, 30.f));
    Coccinelle* robot = a.Ajouter(new Coccinelle(&a.scene, {626.f, 380.f}, 40.f));
    a.Poser();
    a.Frames(30, [&] { a.heros->SansDirection(); });
    ASSERT_TRUE(bloc->sol) << "le bloc est posé";
    ASSERT_TRUE(robot->sol) << "le robot est posé sur le bloc";
    ASSERT_LT(robot->position.y, 440.f);

    int fautives = 0, poussees = 0, robotPose = 0;
    std::string premiere;
    const auto verifier = [&] {
        std::string r = Pendants(a, *a.heros, "héros") + Pendants(a, *bloc, "bloc");
        if (a.Range(robot))
        {
            r += Pendants(a, *robot, "robot");
            robotPose += robot->sol && robot->position.y < 440.f;
        }
        if (!r.empty() && fautives++ == 0)
            premiere = r;
    };
    const float xBloc = bloc->position.x;
    for (int i = 0; i < 150; ++i)
    {
        a.Frame([&] { a.heros->Droite(); });
        poussees += a.heros->Etat() == HEROS_POUSSEE;
        verifier();
    }
    EXPECT_GT(poussees, 0);
    EXPECT_GT(bloc->position.x, xBloc + 3.f) << "le bloc a été poussé contre la pente";
    EXPECT_GT(bloc->reconstructions, 20) << "contre la pente, le contour est reconstruit (bloc en x "
                                         << bloc->position.x << ", y " << bloc->position.y << ")";
    EXPECT_GT(robotPose, 100) << "le robot reste debout sur le bloc qu'on pousse";

    // le héros remplacé pendant qu'il pousse : le bloc ne suit plus sa force
    for (int i = 0; i < 60 && a.heros->Etat() != HEROS_POUSSEE; ++i)
        a.Frame([&] { a.heros->Droite(); });
    ASSERT_EQ(a.heros->Etat(), HEROS_POUSSEE);
    a.heros = a.moteur.CreerHeros();
    a.moteur.Activer();
    EXPECT_EQ(bloc->forceExterne, &bloc->forcePropre);
    a.Poser();
    for (int i = 0; i < 20; ++i)
    {
        a.Frame([&] { a.heros->SansDirection(); });
        verifier();
    }

    // le sol supprimé sous le héros posé, puis un autre sol
    ASSERT_TRUE(a.heros->sol);
    a.scene.Vider();
    EXPECT_EQ(a.heros->sol, nullptr);
    EXPECT_EQ(a.heros->support, &a.heros->forcePropre);
    EXPECT_EQ(a.heros->collision.autre, nullptr);
    a.Sol(600.f);
    bloc = nullptr;
    for (int i = 0; i < 60; ++i)
    {
        a.Frame([&] { a.heros->SansDirection(); });
        const std::string r = Pendants(a, *a.heros, "héros");
        if (!r.empty() && fautives++ == 0)
            premiere = r;
    }
    EXPECT_TRUE(a.heros->sol) << "le héros retombe sur le nouveau sol";
    EXPECT_EQ(fautives, 0) << premiere;
}
