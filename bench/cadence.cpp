// Cadence de la boucle de frames : fenêtre réelle (sous Xvfb), limite à 60 images/s.
#include "shell/MyQMainWindow.h"
#include "shell/MyQtSFMLWindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <benchmark/benchmark.h>

static void BM_CadenceBoucle(benchmark::State& etat)
{
    static int argc = 1;
    static char nom[] = "bench";
    static char* argv[] = {nom, nullptr};
    static QApplication app(argc, argv);
    for (auto _ : etat)
    {
        MyQMainWindow fenetre;
        fenetre.show();
        QElapsedTimer chrono;
        // six secondes de mise en route (cartes, préchargement), puis 3 s mesurées
        QTimer::singleShot(6000, [&] {
            etat.counters["frames_depart"] = static_cast<double>(fenetre.Canvas()->NombreFrames());
            chrono.start();
        });
        unsigned long debut = 0;
        QTimer::singleShot(6001, [&] { debut = fenetre.Canvas()->NombreFrames(); });
        QTimer::singleShot(9000, [&] {
            const double secondes = chrono.elapsed() / 1000.0;
            etat.counters["images_par_seconde"] = (fenetre.Canvas()->NombreFrames() - debut) / secondes;
            app.quit();
        });
        app.exec();
    }
}
BENCHMARK(BM_CadenceBoucle)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
