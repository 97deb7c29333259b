#pragma once

#include "engine/Singleton.h"

#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/Vertex.hpp>

#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace sf { class Image; }

// Cache des textures, par chemin ; chaque fichier est chargé une fois. On retient aussi, par
// carreaux de CARREAU pixels, où l'image a des pixels visibles et où elle est pleinement opaque : un
// rectangle de l'image se trace alors par ses seules parties visibles (le rendu logiciel paie chaque
// pixel couvert, même transparent), et ses carreaux opaques sans mélange (moins cher encore, et ils
// effacent ce qu'ils couvrent avant d'être rastérisés).
class GestionnaireTextures : public Singleton<GestionnaireTextures>
{
    friend class Singleton<GestionnaireTextures>;

public:
    static constexpr int CARREAU = 16;

    sf::Texture& Texture(const std::string& chemin);
    bool Contient(const std::string& chemin) const { return textures.count(chemin) != 0; }
    // Remplace l'image d'un chemin (essais) : ses carreaux sont mesurés de nouveau
    bool Remplacer(const std::string& chemin, const sf::Image& image);

    // Triangles qui couvrent les parties visibles du rectangle r de la texture, en coordonnées
    // locales d'un sf::Sprite de ce rectangle : les carreaux pleinement opaques d'un côté, les
    // autres de l'autre (tous deux vides : rien de visible)
    struct Maille
    {
        bool utile = false;
        std::vector<sf::Vertex> opaques, translucides;
    };
    // Nul quand tracer le rectangle entier revient au même prix (presque tout visible et peu
    // d'opaque, rectangle hors de l'image, texture inconnue)
    const Maille* Maillage(const sf::Texture* texture, const sf::IntRect& r);

private:
    GestionnaireTextures() = default;

    struct Occupation
    {
        unsigned colonnes = 0, lignes = 0;
        // un octet par carreau, ligne par ligne : VIDE, PARTIEL ou OPAQUE
        std::vector<unsigned char> visible;
    };
    enum : unsigned char { VIDE = 0, PARTIEL = 1, OPAQUE = 2 };
    void Mesurer(const sf::Texture& texture, const sf::Image& image);
    void ConstruireMaille(const Occupation& o, const sf::Vector2u& taille, const sf::IntRect& r, Maille& m) const;

    std::map<std::string, sf::Texture> textures;
    std::map<const sf::Texture*, Occupation> occupations;
    std::map<std::tuple<const sf::Texture*, int, int, int, int>, Maille> mailles;
};
