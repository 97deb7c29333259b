#pragma once

#include "scene/ElementScenique.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/View.hpp>

#include <vector>

namespace sf { class RenderTarget; }

// Fond d'une zone : plans d'images vus chacun par sa vue, qui suit la caméra
// d'autant plus lentement que le plan est lointain ; joue la musique de la zone.
class Zone : public ElementScenique
{
public:
    static constexpr int NOMBRE_VUES = 24;

    explicit Zone(SceneGraphique* scene);
    ~Zone() override;

    virtual void LancerMusique() = 0;

    // Centre de chaque vue d'après celui de la caméra de la scène
    void ActualiserVues();

    const std::vector<sf::View>& Vues() const { return vues; }
    float Facteur() const { return facteur; }
    int LargeurPlan() const { return largeurPlan; }
    const sf::Vector2f& Reference() const { return reference; }
    const sf::RectangleShape& RectangleEau() const { return rectangleEau; }

protected:
    // Ajoute un plan : sprite rattaché à la vue k (k < 0 : sans vue)
    Sprite* AjouterPlan(Sprite* s, int vue);
    // Plans du plus lointain au plus proche ; triple : chaque plan répété trois fois côte à côte
    void DessinerPlans(sf::RenderTarget& cible, bool triple);
    // Après ce plan, dessiné dans sa vue (nul : aucun)
    virtual void ApresPlan(sf::RenderTarget&, const Sprite*) {}
    void RetablirVue(sf::RenderTarget& cible) const;
    // Le ciel d'une image opaque, dans la vue d'origine : copié sans mélange s'il couvre toute la
    // cible, sinon sur un fond noir
    void DessinerCiel(sf::RenderTarget& cible, Sprite* ciel) const;
    int IndiceVue(const Sprite* s) const;
    sf::Vector2f CentreCamera() const;

    std::vector<sf::View> vues;
    float facteur;
    int largeurPlan;
    sf::Vector2f reference;
    sf::RectangleShape rectangleEau;
};
