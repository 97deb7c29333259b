#include "engine/MoteurGraphique.h"
#include "game/GameEngine.h"
#include "game/Quadtree.h"
#include "game/SceneGraphique.h"
#include "scene/ElementScenique.h"

#include <benchmark/benchmark.h>

#include <cstdlib>

// Un parcours d'un niveau de 16384 × 4096 qui range 5000 éléments, la vue au milieu
static void BM_Parcourir5000(benchmark::State& etat)
{
    std::srand(42);
    SceneGraphique scene;
    scene.FixerTaille(16384, 4096);
    Quadtree* arbre = new Quadtree(&scene);
    for (int i = 0; i < 5000; ++i)
    {
        const float x = float(std::rand() % 16300), y = float(std::rand() % 4000);
        const float l = float(16 + std::rand() % 64), h = float(16 + std::rand() % 64);
        ElementScenique* e = new ElementScenique(&scene, {x, y}, 0.f);
        e->FixerCadre(sf::FloatRect(x, y, l, h));
        arbre->Inserer(e);
    }
    const sf::FloatRect vue(8192.f - 320.f, 2048.f - 240.f, 640.f, 480.f);
    MoteurGraphique::Instance()->Vider(true);
    std::size_t vus = 0;
    for (auto _ : etat)
    {
        arbre->Parcourir(vue);
        vus = MoteurGraphique::Instance()->ListeFrame().size();
        MoteurGraphique::Instance()->Vider(true);
        GameEngine::ViderListes();
    }
    etat.counters["vus"] = double(vus);
    delete arbre;
}
BENCHMARK(BM_Parcourir5000);

BENCHMARK_MAIN();
