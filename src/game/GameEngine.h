#pragma once

#include <vector>

class PolygoneScenique;
class CercleScenique;
class ElementMagique;
class SceneGraphique;
class MyQtSFMLWindow;
class Heros;

// Moteur de jeu : le héros et la frame physique (intégration, contacts, réactions,
// validation) sur les trois listes de la frame, remplies par l'index spatial
// (Enregistrer / ActiverHorsVue) et vidées à chaque étape.
class GameEngine
{
public:
    explicit GameEngine(SceneGraphique* scene = nullptr);
    virtual ~GameEngine();
    GameEngine(const GameEngine&) = delete;
    GameEngine& operator=(const GameEngine&) = delete;

    // 0 : Vanto, 1 : Tormundo ; autre valeur : rien, le héros courant est rendu
    Heros* CreerHeros();
    Heros* HerosCourant() const { return heros; }
    void Activer();
    void Desactiver() { actif = false; }
    bool Actif() const { return actif; }
    void Etape(MyQtSFMLWindow* canvas = nullptr);

    static void AjouterPolygone(PolygoneScenique* p) { polygones.push_back(p); }
    static void AjouterCercle(CercleScenique* c) { cercles.push_back(c); }
    static void AjouterMagie(ElementMagique* m) { magies.push_back(m); }
    // Un élément détruit ne doit plus rester dans les listes de la frame
    static void RetirerPolygone(PolygoneScenique* p);
    static void RetirerCercle(CercleScenique* c);
    static void RetirerMagie(ElementMagique* m);
    static void ViderListes();

    static const std::vector<PolygoneScenique*>& Polygones() { return polygones; }
    static const std::vector<CercleScenique*>& Cercles() { return cercles; }
    static const std::vector<ElementMagique*>& Magies() { return magies; }

private:
    SceneGraphique* scene;
    Heros* heros;
    bool actif;

    static std::vector<PolygoneScenique*> polygones;
    static std::vector<CercleScenique*> cercles;
    static std::vector<ElementMagique*> magies;
};
