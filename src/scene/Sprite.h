#pragma once

#include "engine/Horloge.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/System/Vector2.hpp>

#include <string>

namespace sf { class RenderTarget; }

// Image d'une planche découpée en cases égales : animation en ligne ou en colonne,
// miroir, rotation et clignotement.
class Sprite
{
public:
    Sprite(const std::string& fichier, int largeurImage, int hauteurImage, const sf::Vector2f& origine,
           bool dansZone = false);
    virtual ~Sprite();

    bool AnimerLigne(int ligne, int premiere, int derniere, float duree, bool boucle);
    bool AnimerColonne(int colonne, int premiere, int derniere, float duree, bool boucle);
    void FixerImage(int ligne, int colonne);
    void FixerCadre(int haut, int gauche);
    int LigneCourante() const;
    int ColonneCourante() const;

    void Redemarrer() { redemarrer = true; }
    void RedemarrerHorloge() { horlogeAnimation.restart(); }

    void Clignoter(float duree);
    bool EnClignotement() const;

    void Miroir(bool miroir);
    void MiroirVertical(bool miroir);
    void FixerRotation(float degres);
    void Tourner(float degres);
    void FixerEchelle(float x, float y) { sprite.setScale(x, y); }
    void FixerCouleur(const sf::Color& couleur) { sprite.setColor(couleur); }
    void FixerPosition(const sf::Vector2f& p) { sprite.setPosition(p); }
    void Deplacer(float dx, float dy) { sprite.move(dx, dy); }
    sf::Vector2f Position() const { return sprite.getPosition(); }
    float Rotation() const { return sprite.getRotation(); }
    sf::Sprite& SpriteSFML() { return sprite; }
    const sf::Sprite& SpriteSFML() const { return sprite; }
    void FixerDonnee(void* d) { donnee = d; }
    void* Donnee() const { return donnee; }
    const std::string& Fichier() const { return fichier; }
    bool DansZone() const { return dansZone; }

    void Dessiner(sf::RenderTarget& cible);

    // Dossier des images de la zone courante
    static const std::string& DossierZone();
    static void FixerDossierZone(const std::string& dossier);

private:
    void Tracer(sf::RenderTarget& cible) const;

    sf::Sprite sprite;
    std::string fichier;
    bool dansZone;
    int largeurImage, hauteurImage;
    Horloge horlogeAnimation;
    bool redemarrer;
    int inutilise;
    void* donnee;
    Horloge horlogeClignotement;
    Horloge phaseClignotement;
    float dureeClignotement;
    bool montreClignotement = true;

    static std::string dossierZone;
};
