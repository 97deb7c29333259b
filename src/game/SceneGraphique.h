#pragma once

#include <SFML/System/Vector2.hpp>

#include <vector>

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

    // L'index possède l'élément dès ce moment (détruit s'il est hors du niveau : faux)
    bool AjouterElement(ElementScenique* element);
    // Fabrique des éléments d'un niveau d'après leur genre ; faux pour un genre inconnu
    bool CreerElement(int id, const sf::Vector2f& position, float profondeur, const std::vector<float>& parametres);
    // Le genre figure-t-il dans la table (même si sa classe n'existe pas encore) ?
    static bool GenreConnu(int id);
    static constexpr int GENRE_BOUCLE = 2014789631;

    // Comptes depuis le dernier Vider : éléments rangés, détruits hors niveau, genres inconnus
    struct Comptes
    {
        int ranges = 0;
        int horsNiveau = 0;
        int inconnus = 0;
    };
    const Comptes& ComptesElements() const { return comptes; }
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
    Comptes comptes;

    void CreerBoucle(const sf::Vector2f& p);
};
