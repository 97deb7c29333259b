#pragma once

#include <SFML/System/Vector2.hpp>

class Camera;
class Quadtree;
class ElementScenique;

// États du déroulement de la partie
enum
{
    SCENE_JEU = 0,
    SCENE_FIN_ACTE = 1,
    SCENE_SUIVANTE = 2,
    SCENE_RECOMMENCER = 3,
    SCENE_PRETE = 4
};

// Le monde d'un niveau : taille, limites de la caméra, départ, eau, état et index spatial.
class SceneGraphique
{
public:
    SceneGraphique();
    virtual ~SceneGraphique();
    SceneGraphique(const SceneGraphique&) = delete;
    SceneGraphique& operator=(const SceneGraphique&) = delete;

    // L'index possède l'élément dès ce moment (détruit s'il est hors du niveau)
    void AjouterElement(ElementScenique* element);
    void Vider();
    void ActiverElementsVisibles();

    int Largeur() const { return largeur; }
    int Hauteur() const { return hauteur; }
    void FixerTaille(int l, int h);
    void FixerMarge(int m);
    Camera* CameraScene() const { return camera; }
    void FixerCamera(Camera* c) { camera = c; }
    Quadtree* Index() const { return index; }
    int LimiteGauche() const { return limiteGauche; }
    int LimiteDroite() const { return limiteDroite; }
    int LimiteBas() const { return limiteBas; }
    void FixerLimiteGauche(int l) { limiteGauche = l; }
    void FixerLimiteDroite(int l) { limiteDroite = l; }
    void FixerLimiteBas(int l) { limiteBas = l; }
    int NiveauEau() const { return niveauEau; }
    void FixerNiveauEau(int n) { niveauEau = n; }
    const sf::Vector2f& PointDepart() const { return pointDepart; }
    void FixerPointDepart(const sf::Vector2f& p) { pointDepart = p; }
    int EtatScene() const { return etatScene; }
    void FixerEtatScene(int e) { etatScene = e; }

private:
    int largeur, hauteur;
    Camera* camera;
    Quadtree* index;
    int limiteGauche, limiteDroite, limiteBas;
    int niveauEau;
    sf::Vector2f pointDepart;
    int etatScene;
};
