#include "physics/CerclePhysique.h"
#include "physics/PolygonePhysique.h"
#include "physics/Segment.h"

#include <benchmark/benchmark.h>

#include <cmath>

// Un cercle qui tombe sur un sol : test cercle-segment complet (sol franchi)
static void BM_CercleSegment(benchmark::State& etat)
{
    Segment sol({0.f, 500.f}, {1000.f, 500.f}, 125);
    CerclePhysique c({400.f, 460.f});
    c.positionSuivante = {405.f, 480.f};
    for (auto _ : etat)
    {
        c.collision.Preparer();
        benchmark::DoNotOptimize(c.TesterSegment(sol));
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_CercleSegment);

// ToucheSegments contre un dodécagone, le cercle tombant sur sa face du haut
static void BM_ToucheSegments12(benchmark::State& etat)
{
    const double pi = 3.14159265358979323846;
    PolygonePhysique p({500.f, 500.f});
    sf::Vector2f points[12];
    for (int i = 0; i < 12; ++i)
        points[i] = sf::Vector2f(500.f + 200.f * float(std::cos(pi * i / 6.0 + pi / 12.0)),
                                 500.f - 200.f * float(std::sin(pi * i / 6.0 + pi / 12.0)));
    // Sens horaire à l'écran : normales vers l'intérieur, comme un sol vu de dessus
    for (int i = 0; i < 12; ++i)
        p.AjouterSegment(new Segment(points[(i + 1) % 12], points[i], 125));
    CerclePhysique c({500.f, 270.f});
    c.positionSuivante = {503.f, 285.f};
    for (auto _ : etat)
    {
        c.collision.Preparer();
        benchmark::DoNotOptimize(EntitePhysique::ToucheSegments(&c, &p));
        benchmark::ClobberMemory();
    }
    etat.counters["contact"] = c.collision.autre ? 1 : 0;
}
BENCHMARK(BM_ToucheSegments12);

BENCHMARK_MAIN();
