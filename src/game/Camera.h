#pragma once

#include "engine/EntiteInteractive.h"
#include "engine/Horloge.h"

#include <SFML/Graphics/View.hpp>

namespace sf { class RenderTarget; }
class SceneGraphique;
class EntitePhysique;

// Vue 640 × 480 qui suit une cible avec une zone morte, regarde en haut ou en bas,
// tremble et ne sort jamais des limites de la scène.
class Camera : public EntiteInteractive
{
public:
    explicit Camera(sf::RenderTarget* canvas);
    ~Camera() override;

    void MettreAJour(sf::RenderWindow& fenetre) override;
    void TraiterEvenement(const sf::Event& evenement) override;
    virtual void LireClavier();
    virtual void LireManette();
    virtual void RegarderBas();
    virtual void RegarderHaut();
    virtual void Suivre();

    void Lier(SceneGraphique* scene);
    void FixerSuivi(bool s);
    void FixerCible(EntitePhysique* corps);
    void Secouer(float amplitude, float duree);
    void DeplacerVue(const sf::Vector2f& v);
    void Centrer(const sf::Vector2f& point);
    void Actualiser();
    void Borner();

    const sf::View& Vue() const { return vue; }
    SceneGraphique* Scene() const { return scene; }
    bool Suivi() const { return suivi; }
    EntitePhysique* Cible() const { return cible; }
    float EcartX() const { return ecartX; }
    float EcartY() const { return ecartY; }

private:
    sf::RenderTarget* canvas;
    SceneGraphique* scene;
    sf::View vue;
    bool suivi;
    EntitePhysique* cible;
    float zoneMorteX, zoneMorteY;
    float ecartX, ecartY;
    float pasX, pasY;
    float vitesseSuivi;
    float vitesseRegard;
    float amplitudeSecousse, dureeSecousse;
    Horloge horlogeSecousse;
    float delaiRegard;
    Horloge horlogeRegard;
};
