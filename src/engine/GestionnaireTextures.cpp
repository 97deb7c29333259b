#include "engine/GestionnaireTextures.h"

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <iostream>

sf::Texture& GestionnaireTextures::Texture(const std::string& chemin)
{
    auto it = textures.find(chemin);
    if (it != textures.end())
        return it->second;
    sf::Texture& texture = textures[chemin];
    sf::Image image;
    if (!image.loadFromFile(chemin) || !texture.loadFromImage(image))
    {
        std::cerr << "Impossible de charger l'image : " << chemin << std::endl;
        return texture;
    }
    texture.setSmooth(false);
    Mesurer(texture, image);
    return texture;
}

bool GestionnaireTextures::Remplacer(const std::string& chemin, const sf::Image& image)
{
    sf::Texture& texture = Texture(chemin);
    if (!texture.loadFromImage(image))
        return false;
    Mesurer(texture, image);
    for (auto m = mailles.begin(); m != mailles.end();)
        m = std::get<0>(m->first) == &texture ? mailles.erase(m) : std::next(m);
    return true;
}

void GestionnaireTextures::Mesurer(const sf::Texture& texture, const sf::Image& image)
{
    // carreaux où un pixel au moins n'est pas transparent, et ceux dont tous les pixels sont opaques
    const sf::Vector2u t = image.getSize();
    Occupation& o = occupations[&texture];
    o.colonnes = (t.x + CARREAU - 1) / CARREAU;
    o.lignes = (t.y + CARREAU - 1) / CARREAU;
    o.visible.assign(std::size_t(o.colonnes) * o.lignes, OPAQUE);
    std::vector<unsigned char> vu(o.visible.size(), 0);
    const sf::Uint8* p = image.getPixelsPtr();
    for (unsigned y = 0; y < t.y; ++y)
    {
        unsigned char* ligne = &o.visible[std::size_t(y / CARREAU) * o.colonnes];
        unsigned char* ligneVu = &vu[std::size_t(y / CARREAU) * o.colonnes];
        const sf::Uint8* px = p + std::size_t(y) * t.x * 4 + 3;
        for (unsigned x = 0; x < t.x; ++x, px += 4)
        {
            if (*px != 0)
                ligneVu[x / CARREAU] = 1;
            if (*px != 255)
                ligne[x / CARREAU] = PARTIEL;
        }
    }
    for (std::size_t i = 0; i < vu.size(); ++i)
        if (!vu[i])
            o.visible[i] = VIDE;
}

const GestionnaireTextures::Maille* GestionnaireTextures::Maillage(const sf::Texture* texture, const sf::IntRect& r)
{
    if (!texture)
        return nullptr;
    const auto o = occupations.find(texture);
    if (o == occupations.end())
        return nullptr;
    const auto cle = std::make_tuple(texture, r.left, r.top, r.width, r.height);
    auto m = mailles.find(cle);
    if (m == mailles.end())
    {
        m = mailles.emplace(cle, Maille()).first;
        ConstruireMaille(o->second, texture->getSize(), r, m->second);
    }
    return m->second.utile ? &m->second : nullptr;
}

void GestionnaireTextures::ConstruireMaille(const Occupation& o, const sf::Vector2u& taille, const sf::IntRect& r,
                                           Maille& m) const
{
    // rectangle retourné, vide ou qui déborde de l'image : tracé tel quel
    if (r.width <= 0 || r.height <= 0 || r.left < 0 || r.top < 0 || unsigned(r.left + r.width) > taille.x ||
        unsigned(r.top + r.height) > taille.y)
        return;
    // bandes horizontales : dans chaque rangée de carreaux, les suites de carreaux d'une même sorte ;
    // une rangée pareille à la précédente allonge ses bandes
    struct Bande
    {
        int x0, x1, y0, y1;
    };
    const int c0 = r.left / CARREAU, c1 = (r.left + r.width - 1) / CARREAU;
    const int l0 = r.top / CARREAU, l1 = (r.top + r.height - 1) / CARREAU;
    long aires[3] = {0, 0, 0};
    auto bandesDe = [&](auto garder) {
        std::vector<Bande> bandes, rangee, precedente;
        std::size_t debutPrecedente = 0;
        for (int l = l0; l <= l1; ++l)
        {
            const int y0 = std::max(r.top, l * CARREAU), y1 = std::min(r.top + r.height, (l + 1) * CARREAU);
            rangee.clear();
            for (int c = c0; c <= c1; ++c)
            {
                const unsigned char v = o.visible[std::size_t(l) * o.colonnes + unsigned(c)];
                if (!garder(v))
                    continue;
                const int x0 = std::max(r.left, c * CARREAU), x1 = std::min(r.left + r.width, (c + 1) * CARREAU);
                if (!rangee.empty() && rangee.back().x1 == x0)
                    rangee.back().x1 = x1;
                else
                    rangee.push_back({x0, x1, y0, y1});
                aires[v] += long(x1 - x0) * (y1 - y0);
            }
            bool pareille = !rangee.empty() && rangee.size() == precedente.size();
            for (std::size_t i = 0; pareille && i < rangee.size(); ++i)
                pareille = rangee[i].x0 == precedente[i].x0 && rangee[i].x1 == precedente[i].x1;
            if (pareille)
                for (std::size_t i = 0; i < rangee.size(); ++i)
                    bandes[debutPrecedente + i].y1 = y1;
            else
            {
                debutPrecedente = bandes.size();
                bandes.insert(bandes.end(), rangee.begin(), rangee.end());
            }
            precedente = rangee;
        }
        return bandes;
    };
    const std::vector<Bande> opaques = bandesDe([](unsigned char v) { return v == OPAQUE; });
    const std::vector<Bande> translucides = bandesDe([](unsigned char v) { return v == PARTIEL; });
    // presque tout visible et peu d'opaque : le rectangle entier, d'un seul tracé
    const long surface = long(r.width) * r.height;
    if ((aires[OPAQUE] + aires[PARTIEL]) * 10 > surface * 8 && aires[OPAQUE] * 4 < surface)
        return;
    m.utile = true;
    auto trianguler = [&](const std::vector<Bande>& bandes, std::vector<sf::Vertex>& triangles) {
        triangles.reserve(bandes.size() * 6);
        for (const Bande& b : bandes)
        {
            // coordonnées locales du sprite : origine au coin du rectangle
            const float gx = float(b.x0 - r.left), dx = float(b.x1 - r.left);
            const float hy = float(b.y0 - r.top), by = float(b.y1 - r.top);
            const sf::Vertex a(sf::Vector2f(gx, hy), sf::Vector2f(float(b.x0), float(b.y0)));
            const sf::Vertex d(sf::Vector2f(dx, hy), sf::Vector2f(float(b.x1), float(b.y0)));
            const sf::Vertex e(sf::Vector2f(gx, by), sf::Vector2f(float(b.x0), float(b.y1)));
            const sf::Vertex f(sf::Vector2f(dx, by), sf::Vector2f(float(b.x1), float(b.y1)));
            triangles.insert(triangles.end(), {a, d, e, e, d, f});
        }
    };
    trianguler(opaques, m.opaques);
    trianguler(translucides, m.translucides);
}
