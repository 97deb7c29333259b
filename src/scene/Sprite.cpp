#include "scene/Sprite.h"

#include "engine/GestionnaireTextures.h"
#include "engine/MoteurGraphique.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <cmath>

std::string Sprite::dossierZone = "data/png/game/zones/1/";

const std::string& Sprite::DossierZone()
{
    return dossierZone;
}

void Sprite::FixerDossierZone(const std::string& dossier)
{
    dossierZone = dossier;
}

Sprite::Sprite(const std::string& fichier_, int largeur, int hauteur, const sf::Vector2f& origine, bool zone)
    : fichier(fichier_), dansZone(zone), largeurImage(largeur), hauteurImage(hauteur), redemarrer(false),
      inutilise(1), donnee(nullptr), dureeClignotement(0.f)
{
    (void)inutilise;
    sprite.setTexture(GestionnaireTextures::Instance()->Texture(dansZone ? dossierZone + fichier : fichier), true);
    sprite.setOrigin(origine);
    if (largeurImage != 0 || hauteurImage != 0)
        sprite.setTextureRect(sf::IntRect(0, 0, largeurImage, hauteurImage));
}

Sprite::~Sprite()
{
}

// Planche sans cases (taille nulle) : toujours la case 0
int Sprite::LigneCourante() const
{
    return hauteurImage > 0 ? sprite.getTextureRect().top / hauteurImage : 0;
}

int Sprite::ColonneCourante() const
{
    return largeurImage > 0 ? sprite.getTextureRect().left / largeurImage : 0;
}

void Sprite::FixerImage(int ligne, int colonne)
{
    sprite.setTextureRect(sf::IntRect(colonne * largeurImage, ligne * hauteurImage, largeurImage, hauteurImage));
}

void Sprite::FixerCadre(int haut, int gauche)
{
    sprite.setTextureRect(sf::IntRect(gauche, haut, largeurImage, hauteurImage));
}

bool Sprite::AnimerLigne(int ligne, int premiere, int derniere, float duree, bool boucle)
{
    const int c = ColonneCourante();
    if (ligne == -1 || (ligne == LigneCourante() && !redemarrer && premiere <= c && c <= derniere &&
                        premiere != derniere))
    {
        int suivante = c;
        if (horlogeAnimation.getElapsedTime().asSeconds() > duree)
        {
            if (c < derniere)
                suivante = c + 1;
            else if (boucle)
                suivante = premiere;
            else
                return true;
            horlogeAnimation.restart();
        }
        if (ligne == -1)
        {
            const sf::IntRect r = sprite.getTextureRect();
            sprite.setTextureRect(sf::IntRect(suivante * largeurImage, r.top, largeurImage, hauteurImage));
            return false;
        }
        FixerImage(ligne, suivante);
        return false;
    }
    horlogeAnimation.restart();
    redemarrer = false;
    FixerImage(ligne, premiere);
    return false;
}

bool Sprite::AnimerColonne(int colonne, int premiere, int derniere, float duree, bool boucle)
{
    const int l = LigneCourante();
    if (colonne == ColonneCourante() && !redemarrer && premiere <= l && l <= derniere && premiere != derniere)
    {
        int suivante = l;
        if (horlogeAnimation.getElapsedTime().asSeconds() > duree)
        {
            if (l < derniere)
                suivante = l + 1;
            else if (boucle)
                suivante = premiere;
            else
                return true;
            horlogeAnimation.restart();
        }
        FixerImage(suivante, colonne);
        return false;
    }
    horlogeAnimation.restart();
    redemarrer = false;
    FixerImage(premiere, colonne);
    return false;
}

void Sprite::Clignoter(float duree)
{
    dureeClignotement = duree;
    phaseClignotement.restart();
    horlogeClignotement.restart();
}

bool Sprite::EnClignotement() const
{
    // Une durée nulle (sprite neuf) ne clignote jamais, même à l'instant zéro
    return dureeClignotement == -1.f || horlogeClignotement.getElapsedTime().asSeconds() < dureeClignotement;
}

void Sprite::Miroir(bool miroir)
{
    const sf::Vector2f e = sprite.getScale();
    sprite.setScale(miroir ? -std::fabs(e.x) : std::fabs(e.x), e.y);
}

void Sprite::MiroirVertical(bool miroir)
{
    const sf::Vector2f e = sprite.getScale();
    sprite.setScale(e.x, miroir ? -std::fabs(e.y) : std::fabs(e.y));
}

void Sprite::FixerRotation(float degres)
{
    sprite.setRotation(-degres);
}

void Sprite::Tourner(float degres)
{
    sprite.rotate(degres);
}

void Sprite::Dessiner(sf::RenderTarget& cible)
{
    if (!EnClignotement())
    {
        Tracer(cible);
        return;
    }
    // image figée (pause) : le clignotement reste où il en était
    if (!MoteurGraphique::Instance()->Fige())
    {
        const float phase = phaseClignotement.getElapsedTime().asSeconds();
        montreClignotement = phase > 0.075f;
        if (phase > 0.15f)
            phaseClignotement.restart();
    }
    if (montreClignotement)
        Tracer(cible);
}

void Sprite::Tracer(sf::RenderTarget& cible) const
{
    // hors de la vue : rien à tracer
    const sf::View& vue = cible.getView();
    if (vue.getRotation() == 0.f)
    {
        const sf::Vector2f c = vue.getCenter(), t = vue.getSize();
        const sf::FloatRect champ(c.x - std::fabs(t.x) / 2.f, c.y - std::fabs(t.y) / 2.f, std::fabs(t.x), std::fabs(t.y));
        if (!champ.intersects(sprite.getGlobalBounds()))
            return;
    }
    // les seules parties visibles de la case, quand cela épargne des pixels
    const GestionnaireTextures::Maille* m =
        sprite.getColor() == sf::Color::White
            ? GestionnaireTextures::Instance()->Maillage(sprite.getTexture(), sprite.getTextureRect())
            : nullptr;
    if (!m)
    {
        cible.draw(sprite);
        return;
    }
    sf::RenderStates etats(sprite.getTransform());
    etats.texture = sprite.getTexture();
    if (!m->translucides.empty())
        cible.draw(m->translucides.data(), m->translucides.size(), sf::Triangles, etats);
    if (m->opaques.empty())
        return;
    // carreaux opaques sans mélange, sauf tournés : un texel voisin, transparent, pourrait s'y glisser
    if (sprite.getRotation() == 0.f && vue.getRotation() == 0.f)
        etats.blendMode = sf::BlendNone;
    cible.draw(m->opaques.data(), m->opaques.size(), sf::Triangles, etats);
}
