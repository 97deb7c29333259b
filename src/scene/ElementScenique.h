#pragma once

#include "engine/EntiteGraphique.h"
#include "engine/Horloge.h"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/System/Vector2.hpp>

#include <vector>

class SceneGraphique;
class Sprite;

// Base de tout objet placé dans un niveau : sprites, position, état, suppression.
class ElementScenique : public EntiteGraphique
{
public:
    ElementScenique(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
                    const std::vector<float>& parametres = std::vector<float>());
    ~ElementScenique() override;
    ElementScenique(const ElementScenique&) = delete;
    ElementScenique& operator=(const ElementScenique&) = delete;

    void Synchroniser() override;
    void Animer() override;
    void Dessiner(sf::RenderTarget& canvas) override;

    virtual void Enregistrer();
    virtual void ActiverHorsVue();
    virtual void Reinitialiser();
    virtual bool Blesser(int genre);
    virtual void UtiliserDecalage(bool decalage);
    virtual void Orienter();
    virtual void AnimerEtat() {}
    virtual void ActualiserSpecifique() {}
    virtual void FixerPosition(const sf::Vector2f& p);
    virtual void FixerAncre(sf::Vector2f* a);
    virtual void ChangerEtat(int e);

    // Bornes : le cadre s'il a une largeur, sinon celles du premier sprite
    sf::FloatRect Encadrement() const;

    SceneGraphique* Scene() const { return scene; }
    const sf::Vector2f& PositionElement() const { return positionElement; }
    sf::Vector2f* Ancre() const { return ancre; }
    int Etat() const { return etat; }
    bool ASupprimer() const { return aSupprimer; }
    void FixerSuppression(bool s) { aSupprimer = s; }
    bool VersLaDroite() const { return versLaDroite; }
    void FixerVersLaDroite(bool d) { versLaDroite = d; }
    void FixerCadre(const sf::FloatRect& c) { cadre = c; }
    void AjouterSprite(Sprite* s);
    const std::vector<Sprite*>& Sprites() const { return sprites; }

    SceneGraphique* scene;
    int entier;
    bool detruireHorsVue;
    sf::Vector2f positionElement;
    sf::Vector2f* ancre;
    sf::Vector2f decalageSprite;
    bool avecDecalage;
    int etat;
    bool aSupprimer;
    int marque;
    std::vector<Sprite*> sprites;
    sf::FloatRect cadre;
    bool versLaDroite;
    Horloge horlogeElement;
};
