// Frames réelles d'un acte (par défaut l'acte 5, le plus chargé) dans la vraie fenêtre, sous Xvfb :
// préchargement, carton de titre, puis le héros court à droite (saut quand il piétine). Le temps du
// jeu avance de 1/60 s par frame ; on mesure le temps propre de chaque frame, sans la limite de
// cadence : la logique (événements, état du jeu), le dessin (passage graphique dans l'image, image
// composée dans la fenêtre et affichée, rastérisation comprise) et le temps processeur du processus.
//   NIVEAU_BENCH=n (niveau joué), FRAMES_BENCH=n (frames mesurées, 900 par défaut),
//   IMAGES_BENCH=préfixe : garde l'image du jeu des frames 60, 300 et 540 (préfixe_60.png...), pour
//   comparer deux versions pixel à pixel (le jeu est déterministe ici)
#include "engine/QSFMLLoader.h"
#include "engine/SourceTemps.h"
#include "game/AppGame.h"
#include "game/GameOptions.h"
#include "game/SceneGraphique.h"
#include "heroes/Heros.h"
#include "screens/Ecran.h"
#include "shell/MyQMainWindow.h"
#include "shell/MyQtSFMLWindow.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <string>
#include <ctime>
#include <vector>

namespace
{
double Maintenant()
{
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

double ProcesseurMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

int Entier(const char* nom, int defaut)
{
    const char* v = std::getenv(nom);
    return v ? std::max(1, std::atoi(v)) : defaut;
}

// Le quantile q (0..1) d'une série, au rang le plus proche
double Quantile(std::vector<double> v, double q)
{
    if (v.empty())
        return 0.0;
    std::sort(v.begin(), v.end());
    const std::size_t i = std::min(v.size() - 1, std::size_t(std::ceil(q * double(v.size()))) - (q > 0 ? 1 : 0));
    return v[i];
}

void Rapporter(benchmark::State& etat, const char* nom, const std::vector<double>& v)
{
    const std::string n(nom);
    etat.counters[n + "_med_ms"] = Quantile(v, 0.5);
    etat.counters[n + "_p95_ms"] = Quantile(v, 0.95);
    etat.counters[n + "_p99_ms"] = Quantile(v, 0.99);
}
} // namespace

static void BM_FramesActe(benchmark::State& etat)
{
    static int argc = 1;
    static char nom[] = "bench";
    static char* argv[] = {nom, nullptr};
    MyQtSFMLWindow::PreparerRenduLogiciel();
    static QApplication app(argc, argv);
    const int niveau = Entier("NIVEAU_BENCH", 5);
    const int mesurees = Entier("FRAMES_BENCH", 900);
    const float dt = 1.f / 60.f;
    const char* images = std::getenv("IMAGES_BENCH");
    for (auto _ : etat)
    {
        std::srand(1);
        SourceTemps::Manuel(true);
        MyQtSFMLWindow::DefinirDureeFrame(dt);
        GameOptions::Instance()->DefinirHerosChoisi(0);
        GameOptions::Instance()->DefinirNiveauChoisi(niveau);
        Ecran::DemanderEcran(0);
        MyQMainWindow fenetre;
        fenetre.show();
        app.processEvents();
        MyQtSFMLWindow* canvas = fenetre.Canvas();
        // la limite de cadence attendrait : on mesure le temps propre de la frame
        canvas->FixerLimiteCadence(0);
        canvas->setVerticalSyncEnabled(false);
        const double debutChargement = Maintenant();
        QSFMLLoader chargeur(canvas);
        chargeur.Charger();
        etat.counters["prechargement_ms"] = Maintenant() - debutChargement;
        Ecran::DemanderEcran(5);

        std::vector<double> logique, dessin, total, processeur;
        int enJeu = 0, immobile = 0, saut = 0, frames = 0;
        while (enJeu < mesurees && frames < mesurees + 1200)
        {
            ++frames;
            auto* jeu = dynamic_cast<AppGame*>(canvas->EcranNumero(5)->App());
            Heros* heros = jeu ? jeu->Moteur().HerosCourant() : nullptr;
            const bool joue = jeu && jeu->Scene().EtatScene() == SCENE_JEU;
            if (joue && heros)
            {
                // droite tenue ; saut quand le héros piétine
                heros->BloquerCommandes(true);
                heros->Droite();
                immobile = std::fabs(heros->Vitesse()) < 1.f ? immobile + 1 : 0;
                if (saut > 0 && --saut == 0)
                    heros->SautRelache();
                else if (saut > 0)
                    heros->SautMaintenu();
                else if (immobile > 10)
                {
                    heros->AppuiSaut();
                    saut = 20;
                    immobile = 0;
                }
            }
            SourceTemps::Avancer(sf::seconds(dt));
            const double c0 = ProcesseurMs(), t0 = Maintenant();
            canvas->ActualiserLogique();
            const double t1 = Maintenant();
            canvas->ActualiserDessin();
            canvas->Montrer();
            const double t2 = Maintenant(), c1 = ProcesseurMs();
            if (!joue)
                continue;
            ++enJeu;
            if (images && (enJeu == 60 || enJeu == 300 || enJeu == 540))
                canvas->Image().getTexture().copyToImage().saveToFile(std::string(images) + "_" +
                                                                      std::to_string(enJeu) + ".png");
            logique.push_back(t1 - t0);
            dessin.push_back(t2 - t1);
            total.push_back(t2 - t0);
            processeur.push_back(c1 - c0);
        }
        Rapporter(etat, "logique", logique);
        Rapporter(etat, "dessin", dessin);
        Rapporter(etat, "frame", total);
        double somme = 0.0;
        for (double c : processeur)
            somme += c;
        etat.counters["processeur_moyen_ms"] = processeur.empty() ? 0.0 : somme / double(processeur.size());
        etat.counters["frames_mesurees"] = double(enJeu);
        SourceTemps::Manuel(false);
    }
}
BENCHMARK(BM_FramesActe)->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
