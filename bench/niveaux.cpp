#include "engine/MoteurGraphique.h"
#include "game/Camera.h"
#include "game/GameEngine.h"
#include "game/LecteurNiveau.h"
#include "game/LevelManager.h"
#include "game/SceneGraphique.h"

#include <QDir>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <SFML/Graphics/RenderTexture.hpp>

namespace
{
// Le plus gros fichier de data/map/ : son numéro, 0 s'il n'y en a pas
int PlusGrosNiveau()
{
    int numero = 0;
    qint64 taille = -1;
    for (const QFileInfo& f : QDir("data/map").entryInfoList(QStringList() << "*.map", QDir::Files))
        if (f.size() > taille)
        {
            taille = f.size();
            numero = f.completeBaseName().toInt();
        }
    return numero;
}

void Charger(SceneGraphique& scene, LevelManager& chargeur, int n)
{
    chargeur.FixerNiveau(n);
    chargeur.LireEntete();
    chargeur.PreparerRideau();
    scene.Vider();
    scene.FixerPointDepart(sf::Vector2f(128.f, float(scene.Hauteur())));
    chargeur.LireElements();
}
}

// Lecture du fichier et création de tous les éléments du plus gros niveau
static void BM_ChargerPlusGrosNiveau(benchmark::State& etat)
{
    const int n = PlusGrosNiveau();
    if (n == 0)
    {
        etat.SkipWithError("aucun niveau dans data/map/");
        return;
    }
    LecteurNiveau::FixerAvertisseur(LecteurNiveau::AvertirSurErreurStandard);
    SceneGraphique scene;
    LevelManager chargeur(&scene, nullptr, nullptr, nullptr);
    for (auto _ : etat)
    {
        Charger(scene, chargeur, n);
        benchmark::DoNotOptimize(scene.ComptesElements().ranges);
    }
    etat.counters["elements"] = scene.ComptesElements().ranges;
}
BENCHMARK(BM_ChargerPlusGrosNiveau)->Unit(benchmark::kMillisecond);

// Une frame de jeu sur ce niveau : moteur, caméra, parcours de l'index, dessin
static void BM_FrameSurPlusGrosNiveau(benchmark::State& etat)
{
    const int n = PlusGrosNiveau();
    sf::RenderTexture rt;
    if (n == 0 || !rt.create(640, 480))
    {
        etat.SkipWithError("aucun niveau ou pas de contexte graphique");
        return;
    }
    SceneGraphique scene;
    Camera camera(&rt);
    camera.Lier(&scene);
    GameEngine moteur(&scene);
    LevelManager chargeur(&scene, &moteur, nullptr, nullptr);
    Charger(scene, chargeur, n);
    scene.FixerMarge(128);
    camera.Centrer(scene.PointDepart());
    camera.Borner();
    scene.FixerEtatScene(SCENE_JEU);
    moteur.Activer();
    float x = scene.PointDepart().x;
    for (auto _ : etat)
    {
        MoteurGraphique::Instance()->Vider(false);
        moteur.Etape();
        // la vue avance le long du niveau
        x += 8.f;
        if (x > scene.Largeur())
            x = 0.f;
        camera.Centrer(sf::Vector2f(x, scene.PointDepart().y));
        camera.Borner();
        camera.Actualiser();
        scene.ActiverElementsVisibles();
        rt.clear();
        MoteurGraphique::Instance()->Afficher(rt);
    }
    MoteurGraphique::Instance()->Vider(false);
    GameEngine::ViderListes();
    rt.setView(rt.getDefaultView());
}
BENCHMARK(BM_FrameSurPlusGrosNiveau)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
