#include "game/GameEngine.h"

#include "game/GameOptions.h"
#include "game/SceneGraphique.h"
#include "heroes/Tormundo.h"
#include "heroes/Vanto.h"
#include "scene/CercleScenique.h"
#include "scene/ElementMagique.h"
#include "scene/PolygoneScenique.h"
#include "shell/MyQtSFMLWindow.h"

#include <algorithm>

std::vector<PolygoneScenique*> GameEngine::polygones;
std::vector<CercleScenique*> GameEngine::cercles;
std::vector<ElementMagique*> GameEngine::magies;

namespace
{
template <typename T>
void Enlever(std::vector<T*>& liste, T* e)
{
    liste.erase(std::remove(liste.begin(), liste.end(), e), liste.end());
}
}

GameEngine::GameEngine(SceneGraphique* s) : scene(s), heros(nullptr), actif(false)
{
}

GameEngine::~GameEngine()
{
    delete heros;
    heros = nullptr;
}

Heros* GameEngine::CreerHeros()
{
    // 0 : Vanto, 1 : Tormundo, tous deux en (0, -160)
    Heros* nouveau = nullptr;
    switch (GameOptions::Instance()->HerosChoisi())
    {
    case 0: nouveau = new Vanto(scene, sf::Vector2f(0.f, -160.f)); break;
    case 1: nouveau = new Tormundo(scene, sf::Vector2f(0.f, -160.f)); break;
    default: return heros;
    }
    delete heros;
    heros = nouveau;
    return heros;
}

void GameEngine::Activer()
{
    if (heros)
        heros->Reinitialiser();
    actif = true;
}

void GameEngine::Etape(MyQtSFMLWindow*)
{
    const float dt = MyQtSFMLWindow::DureeFrame();
    if (actif)
    {
        // a. déroulement
        if (scene && scene->EtatScene() == SCENE_FIN_ACTE)
        {
            if (heros)
            {
                heros->BloquerCommandes(true);
                heros->Droite();
            }
        }
        else if (scene && scene->EtatScene() == SCENE_PRETE)
        {
            if (heros)
                heros->BloquerCommandes(false);
            scene->FixerEtatScene(SCENE_JEU);
        }

        // copies : un contact peut retirer un élément des listes
        const std::vector<PolygoneScenique*> ps = polygones;
        const std::vector<CercleScenique*> cs = cercles;
        const std::vector<ElementMagique*> ms = magies;

        // b. intégration : polygones, cercles, puis le héros
        for (PolygoneScenique* p : ps)
            p->Integrer(dt);
        for (CercleScenique* c : cs)
            c->Integrer(dt);
        if (heros)
        {
            heros->Integrer(dt);
            // c. limites du niveau
            heros->LimiterAuNiveau();
            // pendant le bilan et jusqu'au chargement suivant, les commandes sont bloquées et le héros
            // court : il s'arrête au bord de la vue (et du niveau) au lieu de quitter l'écran
            if (scene && (scene->EtatScene() == SCENE_FIN_ACTE || scene->EtatScene() == SCENE_SUIVANTE))
            {
                const float d = float(std::min(scene->LimiteDroite(), scene->Largeur())) - heros->rayon;
                if (heros->positionSuivante.x > d)
                    heros->positionSuivante.x = d;
            }
        }

        // d. détection
        for (CercleScenique* c : cs)
            for (ElementMagique* m : ms)
                m->Agir(c);
        for (PolygoneScenique* p : ps)
            for (PolygoneScenique* q : ps)
                if (p != q)
                    EntitePhysique::TouchePolygone(p, q);
        for (PolygoneScenique* p : ps)
            for (CercleScenique* c : cs)
                if (EntitePhysique::ToucheSegments(c, p))
                    p->ContactCercle(c);
        if (heros)
        {
            for (CercleScenique* c : cs)
                if (EntitePhysique::ToucheCercle(heros, c))
                    c->ToucherHeros(heros);
            for (PolygoneScenique* p : ps)
                if (EntitePhysique::ToucheSegments(heros, p))
                    p->ContactHeros(heros);
        }

        // e. réactions
        for (ElementMagique* m : ms)
        {
            m->FiltrerCibles();
            m->ActualiserMagie();
        }
        for (PolygoneScenique* p : ps)
            if (p->collision.autre)
            {
                PolygonePhysique* autre = p->collision.autre;
                p->ResoudreCollision();
                if (PolygoneScenique* a = dynamic_cast<PolygoneScenique*>(autre))
                    a->ContactPolygone(p);
            }
        for (CercleScenique* c : cs)
            if (c->collision.autre)
            {
                PolygonePhysique* autre = c->collision.autre;
                c->ResoudreCollision();
                if (PolygoneScenique* a = dynamic_cast<PolygoneScenique*>(autre))
                    a->ContactCercle(c);
            }
        if (heros && heros->collision.autre)
        {
            PolygonePhysique* autre = heros->collision.autre;
            heros->ResoudreCollision();
            if (PolygoneScenique* a = dynamic_cast<PolygoneScenique*>(autre))
                a->ContactHeros(heros);
        }
        // plus rien sous lui au bout d'un sol sans bord : il tombe au lieu de courir sur l'air
        else if (heros && heros->AuDelaDeSonSol())
            heros->Decoller();

        // f. validation
        for (PolygoneScenique* p : ps)
            p->ValiderDeplacement();
        for (CercleScenique* c : cs)
            c->ValiderDeplacement();
        if (heros)
        {
            heros->ValiderDeplacement();
            heros->PlacerAncreBouclier();
        }
    }
    ViderListes();
}

void GameEngine::RetirerPolygone(PolygoneScenique* p)
{
    Enlever(polygones, p);
}

void GameEngine::RetirerCercle(CercleScenique* c)
{
    Enlever(cercles, c);
}

void GameEngine::RetirerMagie(ElementMagique* m)
{
    Enlever(magies, m);
}

void GameEngine::ViderListes()
{
    polygones.clear();
    cercles.clear();
    magies.clear();
}
