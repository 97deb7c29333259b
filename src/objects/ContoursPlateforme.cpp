#include "objects/ContoursPlateforme.h"

#include <cmath>

namespace
{
typedef ContoursPlateforme CP;

void Ajouter(std::vector<CP::Trait>& t, float x1, float y1, float x2, float y2, int d)
{
    t.push_back(CP::Trait{sf::Vector2f(x1, y1), sf::Vector2f(x2, y2), d});
}

void Chaine(std::vector<CP::Trait>& t, const std::vector<sf::Vector2f>& p, int d)
{
    for (size_t i = 0; i + 1 < p.size(); ++i)
        t.push_back(CP::Trait{p[i], p[i + 1], d});
}

// Coins d'une tuile de demi-côté h : 0 HG, 1 HD, 2 BG, 3 BD
sf::Vector2f Coin(int c, float h)
{
    return sf::Vector2f((c == 1 || c == 3) ? h : -h, (c >= 2) ? h : -h);
}

struct Courbee { int genre; int p0, c, p2; int taille; };
const Courbee COURBES[] = {
    {1128214001, 2, 3, 1, 128}, {1128236001, 0, 1, 3, 128}, {1128412001, 2, 0, 1, 128},
    {1128478001, 3, 1, 0, 128}, {1128632001, 0, 2, 3, 128}, {1128698001, 1, 3, 2, 128},
    {1128874001, 3, 2, 0, 128}, {1128896001, 1, 0, 2, 128},
    {1256214010, 2, 3, 1, 256}, {1256478010, 3, 1, 0, 256},
    {1256632010, 0, 2, 3, 256}, {1256896010, 1, 0, 2, 256},
};

const float COLLINE_MONTE[13] = {48, 48, 45, 38, 26, 8, -16, -40, -58, -70, -77, -80, -80};

std::vector<sf::Vector2f> Points(std::initializer_list<float> v)
{
    std::vector<sf::Vector2f> p;
    for (auto it = v.begin(); it != v.end(); it += 2)
        p.push_back(sf::Vector2f(*it, *(it + 1)));
    return p;
}
} // namespace

sf::Vector2f ContoursPlateforme::Intersection(sf::Vector2f a1, sf::Vector2f a2, sf::Vector2f b1, sf::Vector2f b2)
{
    double dax = a2.x - a1.x, day = a2.y - a1.y;
    double dbx = b2.x - b1.x, dby = b2.y - b1.y;
    double det = dax * dby - day * dbx;
    if (std::fabs(det) < 1e-12)
        return sf::Vector2f(0, 0);
    double t = ((b1.x - a1.x) * dby - (b1.y - a1.y) * dbx) / det;
    return sf::Vector2f(float(a1.x + t * dax), float(a1.y + t * day));
}

std::vector<sf::Vector2f> ContoursPlateforme::Courbe(sf::Vector2f p0, sf::Vector2f c, sf::Vector2f p2, int n)
{
    // lignes guides : de P0 + k/N (C - P0) à C + (k+1)/N (P2 - C)
    std::vector<sf::Vector2f> g1, g2;
    for (int k = 0; k < n; ++k)
    {
        g1.push_back(p0 + (c - p0) * (float(k) / n));
        g2.push_back(c + (p2 - c) * (float(k + 1) / n));
    }
    std::vector<sf::Vector2f> p;
    p.push_back(p0);
    for (int k = 0; k + 1 < n; ++k)
        p.push_back(Intersection(g1[k], g2[k], g1[k + 1], g2[k + 1]));
    p.push_back(p2);
    return p;
}

ContoursPlateforme::Couleur ContoursPlateforme::LireCouleur(int r, int v, int b)
{
    if (r == 255 && v == 0 && b == 0) return ROUGE;
    if (r == 0 && v == 0 && b == 255) return BLEU;
    if (r == 255 && v == 0 && b == 255) return MAGENTA;
    return AUTRE;
}

std::vector<ContoursPlateforme::Trait> ContoursPlateforme::Contour(int genre, Couleur couleur)
{
    std::vector<Trait> t;
    const bool sensUnique = (couleur == MAGENTA);
    const int d = sensUnique ? DRAPEAUX_SENS_UNIQUE : DRAPEAUX_PLEIN;

    switch (genre)
    {
    case 1128010025: Ajouter(t, -64, 16, 64, -16, d); return t;
    case 1128010050: Ajouter(t, -64, 16, 64, -48, d); return t;
    case 1128010100: Ajouter(t, -64, 48, 64, -80, d); return t;
    case 1128020001: Ajouter(t, -64, -64, 64, -64, d); return t;
    case 1128030025: Ajouter(t, -64, -16, 64, 16, d); return t;
    case 1128030050: Ajouter(t, -64, -48, 64, 16, d); return t;
    case 1128030100: Ajouter(t, -64, -80, 64, 48, d); return t;
    // murs et plafonds : pleins seulement
    case 1128040001: if (!sensUnique) Ajouter(t, -64, 64, -64, -64, d); return t;
    case 1128060001: if (!sensUnique) Ajouter(t, 64, -64, 64, 64, d); return t;
    case 1128080001: if (!sensUnique) Ajouter(t, 64, 64, -64, 64, d); return t;
    case 1128206001:
        if (sensUnique)
        {
            Ajouter(t, -64, -64, 48, -64, d);
            Ajouter(t, 48, -64, 48, -60, DRAPEAU_BORD);
        }
        else
        {
            Ajouter(t, -64, -64, 60, -64, d);
            Ajouter(t, 60, -64, 64, -60, d);
            Ajouter(t, 64, -60, 64, 64, d);
        }
        return t;
    case 1128402001:
        if (sensUnique)
        {
            Ajouter(t, -48, -64, 64, -64, d);
            Ajouter(t, -48, -60, -48, -64, DRAPEAU_BORD);
        }
        else
        {
            Ajouter(t, -60, -64, 64, -64, d);
            Ajouter(t, -64, -60, -60, -64, d);
            Ajouter(t, -64, 64, -64, -60, d);
        }
        return t;
    case 1128608001:
        if (!sensUnique)
        {
            Ajouter(t, 64, -64, 64, 60, d);
            Ajouter(t, 64, 60, 60, 64, d);
            Ajouter(t, 60, 64, -64, 64, d);
        }
        return t;
    case 1128804001:
        if (!sensUnique)
        {
            Ajouter(t, 64, 64, -60, 64, d);
            Ajouter(t, -60, 64, -64, 60, d);
            Ajouter(t, -64, 60, -64, -64, d);
        }
        return t;
    case 1384212001:
    case 1384232001:
    case 1576212001:
    case 1576232001:
    {
        const bool large = genre >= 1576000000;
        const bool monte = (genre % 1000000) / 1000 == 212;
        std::vector<sf::Vector2f> p;
        for (int i = 0; i <= 12; ++i)
        {
            float x = large ? -288.f + 48.f * i : -192.f + 32.f * i;
            p.push_back(sf::Vector2f(x, monte ? COLLINE_MONTE[i] : COLLINE_MONTE[12 - i]));
        }
        Chaine(t, p, d);
        return t;
    }
    case 2014789632:
    {
        const int p = DRAPEAUX_PLEIN; // toujours plein
        Ajouter(t, -160, -16, -160, 32, p);
        Ajouter(t, 160, 32, 160, -16, p);
        Ajouter(t, 32, -144, -32, -144, p);
        Ajouter(t, -160, 32, -224, 32, p);
        Ajouter(t, 224, 32, 160, 32, p);
        Ajouter(t, -224, 32, -224, -172, p);
        Ajouter(t, 224, -172, 224, 32, p);
        Ajouter(t, -224, -172, -220, -176, p);
        Ajouter(t, 220, -176, 224, -172, p);
        Ajouter(t, -220, -176, 220, -176, p);
        return t;
    }
    case 2000218001:
        Chaine(t, Points({-256, 96, -160, 96, -128, 94, -96, 88, -64, 76, -32, 60, 0, 32, 32, 0,
                          64, -24, 96, -38, 128, -44, 160, -48, 192, -48}), DRAPEAUX_VRILLE);
        return t;
    case 2000872001:
        Chaine(t, Points({-192, -48, -160, -48, -128, -44, -96, -38, -64, -24, -32, 0, 0, 32, 32, 60,
                          64, 76, 96, 88, 128, 94, 160, 96, 256, 96}), DRAPEAUX_VRILLE);
        return t;
    case 2000634001:
        Chaine(t, Points({-96, -256, -96, -160, -94, -128, -88, -96, -76, -64, -60, -32, -32, 0, 0, 32,
                          24, 64, 38, 96, 44, 128, 48, 160, 48, 192}), DRAPEAUX_VRILLE);
        return t;
    case 2000496001:
        Chaine(t, Points({48, -192, 48, -160, 44, -128, 38, -96, 24, -64, 0, -32, -32, 0, -60, 32,
                          -76, 64, -88, 96, -94, 128, -96, 160, -96, 256}), DRAPEAUX_VRILLE);
        return t;
    case 2000363001:
        Chaine(t, Points({-320, -128, -128, -128, -96, -120, -64, -96, -40, -64, -32, -24, -32, 32,
                          -16, 96, 16, 144, 64, 176, 128, 192, 320, 192}), DRAPEAUX_PLEIN);
        Chaine(t, Points({320, 128, 128, 128, 88, 112, 64, 96, 40, 64, 32, 32, 32, -32, 16, -96,
                          -16, -144, -64, -176, -128, -192, -320, -192}), DRAPEAUX_PLEIN);
        return t;
    default:
        break;
    }

    for (const Courbee& c : COURBES)
        if (c.genre == genre)
        {
            const float h = c.taille / 2.f;
            Chaine(t, Courbe(Coin(c.p0, h), Coin(c.c, h), Coin(c.p2, h), c.taille == 128 ? 4 : 8), d);
            return t;
        }
    return t;
}

ContoursPlateforme::Apparence ContoursPlateforme::Image(int genre)
{
    Apparence a;
    auto Cellule = [&a](int l, int c) {
        a.planche = PLANCHE_128;
        a.ligne = l;
        a.colonne = c;
        a.rectangle = sf::IntRect(c < 0 ? 0 : c * 192, l * 192, 192, 192);
        a.origine = sf::Vector2f(96, 96);
    };
    auto Xl = [&a](int gauche, int haut, int l, int h, float ox, float oy) {
        a.planche = PLANCHE_XL;
        a.rectangle = sf::IntRect(gauche, haut, l, h);
        a.origine = sf::Vector2f(ox, oy);
    };
    switch (genre)
    {
    case 1128000001: Cellule(0, -1); break;
    case 1128010025: Cellule(1, 9); break;
    case 1128010050: Cellule(2, 9); break;
    case 1128010100: Cellule(3, 9); break;
    case 1128020001: Cellule(2, -1); break;
    case 1128030025: Cellule(1, 8); break;
    case 1128030050: Cellule(2, 8); break;
    case 1128030100: Cellule(3, 8); break;
    case 1128040001: Cellule(4, -1); break;
    case 1128050000: Cellule(5, 5); break;
    case 1128050001: Cellule(5, -1); break;
    case 1128050084: Cellule(7, 5); break;
    case 1128050086: Cellule(9, 5); break;
    case 1128060001: Cellule(6, -1); break;
    case 1128080001: Cellule(8, -1); break;
    case 1128206001: Cellule(3, -1); break;
    case 1128402001: Cellule(1, -1); break;
    case 1128608001: Cellule(9, -1); break;
    case 1128804001: Cellule(7, -1); break;
    case 1128214001: Cellule(2, 7); break;
    case 1128236001: Cellule(3, 7); break;
    case 1128412001: Cellule(3, 6); break;
    case 1128478001: Cellule(1, 7); break;
    case 1128632001: Cellule(2, 6); break;
    case 1128698001: Cellule(4, 7); break;
    case 1128874001: Cellule(4, 6); break;
    case 1128896001: Cellule(1, 6); break;
    case 1256214010: Xl(320, 512, 256, 256, 128, 128); break;
    case 1256478010: Xl(320, 256, 256, 256, 128, 128); break;
    case 1256632010: Xl(32, 512, 256, 256, 128, 128); break;
    case 1256896010: Xl(32, 256, 256, 256, 128, 128); break;
    case 1384212001: Xl(576, 0, 384, 224, 192, 112); break;
    case 1384232001: Xl(960, 0, 384, 224, 192, 112); break;
    case 1576212001: Xl(1344, 0, 576, 224, 288, 112); break;
    case 1576232001: Xl(0, 0, 576, 224, 288, 112); break;
    case 2014789632: Xl(32, 800, 544, 352, 272, 192); break;
    case 2014789633: Xl(304, 992, 272, 160, 0, 0); break;
    case 2000218001: Xl(1040, 256, 384, 256, 192, 128); break;
    case 2000872001: Xl(1424, 256, 384, 256, 192, 128); break;
    case 2000634001: Xl(1040, 256, 384, 256, 192, 128); break;
    case 2000496001: Xl(1424, 256, 384, 256, 192, 128); break;
    case 2000363001: Xl(32, 1488, 640, 400, 320, 200); break;
    default: break;
    }
    return a;
}

const std::vector<int>& ContoursPlateforme::Genres()
{
    static const std::vector<int> genres = {
        1128000001, 1128010025, 1128010050, 1128010100, 1128020001, 1128030025, 1128030050,
        1128030100, 1128040001, 1128050000, 1128050001, 1128050084, 1128050086, 1128060001,
        1128080001, 1128206001, 1128402001, 1128608001, 1128804001, 1128214001, 1128236001,
        1128412001, 1128478001, 1128632001, 1128698001, 1128874001, 1128896001, 1256214010,
        1256478010, 1256632010, 1256896010, 1384212001, 1384232001, 1576212001, 1576232001,
        2014789632, 2014789633, 2000218001, 2000872001, 2000634001, 2000496001, 2000363001};
    return genres;
}
