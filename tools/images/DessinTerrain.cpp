#include "DessinTerrain.h"

#include "objects/ContoursPlateforme.h"

#include <cmath>

namespace
{
typedef ContoursPlateforme CP;
typedef std::vector<sf::Vector2f> Chaine;

struct Style
{
    Teinte fond, strate, caillou, surface, surfaceClair, surfaceSombre, paroi, plafond, trait, arriere;
};

Style StyleZone(int zone)
{
    Style s;
    if (zone == 2)
    {
        s.fond = Teinte(66, 78, 104);
        s.strate = Teinte(44, 52, 74);
        s.caillou = Teinte(110, 126, 156);
        s.surface = Teinte(176, 190, 210);
        s.surfaceClair = Teinte(90, 240, 255);
        s.surfaceSombre = Teinte(110, 122, 146);
        s.paroi = Teinte(120, 132, 156);
        s.plafond = Teinte(240, 190, 40);
        s.trait = Teinte(14, 18, 30);
        s.arriere = Teinte(34, 40, 58);
    }
    else if (zone == 99)
    {
        s.fond = Teinte(46, 24, 66);
        s.strate = Teinte(80, 40, 110);
        s.caillou = Teinte(150, 60, 190);
        s.surface = Teinte(120, 40, 150);
        s.surfaceClair = Teinte(255, 90, 230);
        s.surfaceSombre = Teinte(70, 20, 90);
        s.paroi = Teinte(84, 40, 110);
        s.plafond = Teinte(30, 200, 190);
        s.trait = Teinte(8, 2, 14);
        s.arriere = Teinte(24, 12, 36);
    }
    else
    {
        s.fond = Teinte(206, 152, 92);
        s.strate = Teinte(168, 112, 62);
        s.caillou = Teinte(232, 196, 140);
        s.surface = Teinte(84, 196, 60);
        s.surfaceClair = Teinte(170, 240, 100);
        s.surfaceSombre = Teinte(40, 130, 40);
        s.paroi = Teinte(150, 110, 80);
        s.plafond = Teinte(120, 84, 52);
        s.trait = Teinte(40, 24, 10);
        s.arriere = Teinte(120, 88, 60);
    }
    return s;
}

// motif périodique (128) de la matière, dessiné dans le carré u, v de 0 à 128
void Motif(cairo_t* cr, int zone, const Style& s)
{
    if (zone == 2)
    {
        for (int i = 0; i < 2; ++i)
            for (int j = 0; j < 2; ++j)
            {
                double x = 64 * i, y = 64 * j;
                Dessin::Polygone(cr, {x + 1, y + 1, x + 63, y + 1, x + 58, y + 6, x + 6, y + 6});
                Dessin::Source(cr, s.caillou.Alpha(160));
                cairo_fill(cr);
                Dessin::Polygone(cr, {x + 1, y + 63, x + 63, y + 63, x + 58, y + 58, x + 6, y + 58});
                Dessin::Source(cr, s.strate);
                cairo_fill(cr);
                cairo_rectangle(cr, x, y, 64, 64);
                Dessin::Tracer(cr, s.trait.Alpha(200), 1.5);
                for (int k = 0; k < 4; ++k)
                {
                    Dessin::Cercle(cr, x + ((k % 2) ? 56 : 8), y + ((k / 2) ? 52 : 12), 2);
                    Dessin::Remplir(cr, s.caillou.Clair(0.3), s.trait, 0.8);
                }
            }
        return;
    }
    if (zone == 99)
    {
        for (int k = 0; k < 3; ++k)
        {
            cairo_move_to(cr, -10, 20 + 44 * k);
            for (int i = 0; i <= 14; ++i)
                cairo_line_to(cr, -10 + 10.57 * i, 20 + 44 * k + 8 * std::sin(i * M_PI / 3.5 + k));
            Dessin::Tracer(cr, s.strate, 3);
        }
        const double pts[][2] = {{20, 40}, {90, 18}, {64, 96}, {110, 80}, {30, 110}};
        for (auto& p : pts)
        {
            Dessin::Cercle(cr, p[0], p[1], 2.5);
            Dessin::RemplirRadial(cr, p[0], p[1], 2.5, Teinte(255, 200, 255), s.caillou, s.trait, 0);
        }
        return;
    }
    // zone 1 : strates ondulées et cailloux
    for (int k = 0; k < 3; ++k)
    {
        double y0 = 26 + 42 * k;
        cairo_move_to(cr, 0, y0);
        for (int i = 0; i <= 32; ++i)
            cairo_line_to(cr, 4 * i, y0 + 4 * std::sin(i * M_PI / 8 + k * 2));
        Dessin::Tracer(cr, s.strate, 4);
    }
    const double c[][3] = {{18, 12, 5}, {70, 44, 4}, {108, 8, 3.5}, {40, 78, 6}, {100, 96, 4.5}, {10, 110, 3}};
    for (auto& p : c)
    {
        Dessin::Ellipse(cr, p[0], p[1], p[2] * 1.3, p[2], 0);
        Dessin::Remplir(cr, s.caillou, s.strate.Sombre(0.3), 1.2);
    }
}

void Matiere(cairo_t* cr, int zone, const Style& s, bool arriere)
{
    // fond uni puis motif répété tous les 128 pixels, aligné sur la grille
    cairo_save(cr);
    Dessin::Source(cr, arriere ? s.arriere : s.fond);
    cairo_paint(cr);
    for (int i = -2; i <= 2; ++i)
        for (int j = -2; j <= 2; ++j)
        {
            cairo_save(cr);
            cairo_translate(cr, -64 + 128 * i, -64 + 128 * j);
            Motif(cr, zone, s);
            cairo_restore(cr);
        }
    if (arriere)
    {
        Dessin::Source(cr, Teinte(0, 0, 0, 90));
        cairo_paint(cr);
    }
    cairo_restore(cr);
}

// détails intérieurs d'une variante (loin des bords de la tuile)
void Details(cairo_t* cr, int zone, const Style& s, int variante)
{
    if (variante <= 0)
        return;
    const double pos[5][2] = {{0, 0}, {-20, 10}, {18, -6}, {-6, 24}, {22, 20}};
    double x = pos[variante][0], y = pos[variante][1];
    if (zone == 2)
    {
        Dessin::RectArrondi(cr, x - 12, y - 8, 24, 16, 3);
        Dessin::Remplir(cr, s.strate.Sombre(0.3), s.trait, 1.5);
        for (int k = 0; k < 4; ++k)
        {
            cairo_move_to(cr, x - 9 + 6 * k, y - 5);
            cairo_line_to(cr, x - 9 + 6 * k, y + 5);
        }
        Dessin::Tracer(cr, (variante % 2) ? Teinte(90, 240, 255, 200) : Teinte(255, 120, 60, 200), 2);
    }
    else if (zone == 99)
    {
        Dessin::Ellipse(cr, x, y, 9, 5, 0);
        Dessin::Remplir(cr, Teinte(255, 230, 120, 220), s.trait, 1.2);
        Dessin::Cercle(cr, x + (variante - 2.5), y, 2.8);
        Dessin::Remplir(cr, Teinte(20, 0, 30), s.trait, 0);
    }
    else
    {
        // coquillage fossile ou grosse pierre
        if (variante % 2)
        {
            cairo_arc(cr, x, y, 7, 0, 5.5);
            Dessin::Tracer(cr, s.caillou.Clair(0.3), 2.5);
            cairo_arc(cr, x, y, 3.5, 0, 5.5);
            Dessin::Tracer(cr, s.caillou.Clair(0.3), 2);
        }
        else
        {
            Dessin::Ellipse(cr, x, y, 11, 7, 15 * variante);
            Dessin::Remplir(cr, s.caillou.Sombre(0.1), s.strate.Sombre(0.4), 1.5);
            Dessin::Reflet(cr, x - 3, y - 2, 4, 2, 0.4);
        }
    }
}

void CheminPolygone(cairo_t* cr, const Chaine& p)
{
    cairo_new_sub_path(cr);
    for (auto& q : p)
        cairo_line_to(cr, q.x, q.y);
    cairo_close_path(cr);
}

// Bandes de surface le long des traits du contour (côté plein)
void Surfaces(cairo_t* cr, const Style& s, int zone, const std::vector<CP::Trait>& traits,
              const std::function<void()>& cheminPlein)
{
    cairo_save(cr);
    cheminPlein();
    cairo_clip(cr);
    // d'abord les parois puis les sols (le sol recouvre les jonctions)
    for (int passe = 0; passe < 2; ++passe)
        for (const CP::Trait& t : traits)
        {
            if (t.drapeaux == CP::DRAPEAU_BORD)
                continue;
            sf::Vector2f d = t.fin - t.debut;
            double l = std::hypot(d.x, d.y);
            if (l < 0.5)
                continue;
            double ny = d.x / l;
            bool sol = ny > 0.5;
            if ((passe == 1) != sol)
                continue;
            bool plafond = ny < -0.5;
            double bande = sol ? 14 : (plafond ? 8 : 10);
            cairo_move_to(cr, t.debut.x, t.debut.y);
            cairo_line_to(cr, t.fin.x, t.fin.y);
            Dessin::Tracer(cr, sol ? s.surface : (plafond ? s.plafond : s.paroi), bande * 2);
            if (sol)
            {
                // lisière sombre sous l'herbe (ou la tôle)
                double nx = -d.y / l;
                cairo_save(cr);
                Dessin::Polygone(cr, {t.debut.x - d.x / l * 8, t.debut.y - d.y / l * 8, t.fin.x + d.x / l * 8,
                                      t.fin.y + d.y / l * 8, t.fin.x + nx * bande, t.fin.y + ny * bande,
                                      t.debut.x + nx * bande, t.debut.y + ny * bande});
                cairo_clip(cr);
                for (int k = -14; k <= 14; ++k)
                {
                    double x = 8.0 * k;
                    cairo_move_to(cr, x, -120);
                    cairo_line_to(cr, x + (zone == 2 ? 0 : 3), 120);
                }
                Dessin::Tracer(cr, s.surfaceSombre.Alpha(zone == 2 ? 90 : 140), zone == 2 ? 1 : 2);
                cairo_restore(cr);
                cairo_move_to(cr, t.debut.x, t.debut.y);
                cairo_line_to(cr, t.fin.x, t.fin.y);
                Dessin::Tracer(cr, s.surfaceClair, 7);
            }
            else if (plafond && zone == 2)
            {
                cairo_move_to(cr, t.debut.x, t.debut.y);
                cairo_line_to(cr, t.fin.x, t.fin.y);
                Dessin::Tracer(cr, Teinte(30, 30, 30), 4);
            }
        }
    cairo_restore(cr);
    // trait de contour sur la surface
    for (const CP::Trait& t : traits)
    {
        if (t.drapeaux == CP::DRAPEAU_BORD)
            continue;
        cairo_move_to(cr, t.debut.x, t.debut.y);
        cairo_line_to(cr, t.fin.x, t.fin.y);
    }
    Dessin::Tracer(cr, s.trait, 2.2);
}

// Région pleine d'une chaîne fermée par les coins du côté plein
Chaine RegionCourbe(const Chaine& ch, double h)
{
    const sf::Vector2f coins[4] = {{-(float)h, -(float)h}, {(float)h, -(float)h}, {-(float)h, (float)h}, {(float)h, (float)h}};
    sf::Vector2f p0 = ch.front(), p2 = ch.back();
    // coin de contrôle : voisin de P0 et de P2 ; l'autre coin est opposé
    sf::Vector2f c, o;
    for (auto& k : coins)
    {
        bool voisinP0 = (k.x == p0.x) != (k.y == p0.y);
        bool voisinP2 = (k.x == p2.x) != (k.y == p2.y);
        if (voisinP0 && voisinP2)
        {
            if (c == sf::Vector2f() && o == sf::Vector2f()) c = k;
            else o = k;
        }
    }
    // le coin du côté plein : celui vers lequel pointe la normale du premier segment
    sf::Vector2f d = ch[1] - ch[0];
    sf::Vector2f n(-d.y, d.x);
    sf::Vector2f m = (ch[0] + ch[1]) * 0.5f;
    sf::Vector2f vc = c - m;
    Chaine r = ch;
    r.push_back((vc.x * n.x + vc.y * n.y) > 0 ? c : o);
    return r;
}

void RegionDepuisContour(int genre, std::vector<Chaine>& regions)
{
    std::vector<CP::Trait> t = CP::Contour(genre);
    Chaine ch;
    for (auto& s : t)
    {
        if (ch.empty()) ch.push_back(s.debut);
        ch.push_back(s.fin);
    }
    int taille = (genre / 1000000) % 1000;
    if (taille == 128 || taille == 256)
        regions.push_back(RegionCourbe(ch, taille / 2.0));
}

// Régions pleines d'un genre (coordonnées locales)
std::vector<Chaine> RegionsPleines(int genre)
{
    std::vector<Chaine> r;
    const float h = 64;
    Chaine carre = {{-h, -h}, {h, -h}, {h, h}, {-h, h}};
    switch (genre)
    {
    case 1128000001: case 1128020001: case 1128040001: case 1128050000: case 1128050001:
    case 1128050084: case 1128050086: case 1128060001: case 1128080001:
        r.push_back(carre);
        return r;
    case 1128206001: r.push_back({{-64, -64}, {60, -64}, {64, -60}, {64, 64}, {-64, 64}}); return r;
    case 1128402001: r.push_back({{-60, -64}, {64, -64}, {64, 64}, {-64, 64}, {-64, -60}}); return r;
    case 1128608001: r.push_back({{-64, -64}, {64, -64}, {64, 60}, {60, 64}, {-64, 64}}); return r;
    case 1128804001: r.push_back({{-64, -64}, {64, -64}, {64, 64}, {-60, 64}, {-64, 60}}); return r;
    case 1128010025: case 1128010050: case 1128010100: case 1128030025: case 1128030050: case 1128030100:
    {
        auto t = CP::Contour(genre);
        r.push_back({t[0].debut, t[0].fin, {64, 64}, {-64, 64}});
        return r;
    }
    case 1384212001: case 1384232001: case 1576212001: case 1576232001:
    {
        auto t = CP::Contour(genre);
        Chaine ch;
        ch.push_back(t[0].debut);
        for (auto& s : t) ch.push_back(s.fin);
        ch.push_back({ch.back().x, 112});
        ch.push_back({ch.front().x, 112});
        r.push_back(ch);
        return r;
    }
    case 2000363001:
    {
        auto t = CP::Contour(genre);
        Chaine bas, haut;
        for (size_t i = 0; i < t.size(); ++i)
        {
            Chaine& c = (i < 11) ? bas : haut;
            if (c.empty()) c.push_back(t[i].debut);
            c.push_back(t[i].fin);
        }
        bas.push_back({320, 200});
        bas.push_back({-320, 200});
        haut.push_back({-320, -200});
        haut.push_back({320, -200});
        r.push_back(bas);
        r.push_back(haut);
        return r;
    }
    case 2000218001: case 2000872001:
    {
        // ruban de 16 pixels sous la piste
        auto t = CP::Contour(genre);
        Chaine ch, dessous;
        ch.push_back(t[0].debut);
        for (auto& s : t) ch.push_back(s.fin);
        for (size_t i = 0; i < ch.size(); ++i)
        {
            sf::Vector2f d = ch[std::min(i + 1, ch.size() - 1)] - ch[i == 0 ? 0 : i - 1];
            float l = std::hypot(d.x, d.y);
            dessous.push_back(ch[i] + sf::Vector2f(-d.y, d.x) * (16.f / l));
        }
        for (size_t i = dessous.size(); i-- > 0;)
            ch.push_back(dessous[i]);
        r.push_back(ch);
        return r;
    }
    default:
        break;
    }
    RegionDepuisContour(genre, r);
    return r;
}

void Remplissage(cairo_t* cr, const std::vector<Chaine>& regions)
{
    for (auto& c : regions)
        CheminPolygone(cr, c);
}

void Boucle(cairo_t* cr, int zone, const Style& s)
{
    // arche de la boucle : cadre extérieur moins l'intérieur
    auto Deplacer = [](Chaine c, float dx, float dy) {
        for (auto& p : c) p += sf::Vector2f(dx, dy);
        return c;
    };
    auto Q = [&](int genre, float dx, float dy) {
        auto t = CP::Contour(genre);
        Chaine ch;
        ch.push_back(t[0].debut);
        for (auto& q : t) ch.push_back(q.fin);
        return Deplacer(ch, dx, dy);
    };
    Chaine arche = {{-224, 32}, {-224, -172}, {-220, -176}, {220, -176}, {224, -172}, {224, 32}, {160, 32}};
    Chaine qd = Q(1128478001, 96, -80); // de (160,-16) à (32,-144)
    for (auto& p : qd) arche.push_back(p);
    Chaine qg = Q(1128896001, -96, -80); // de (-32,-144) à (-160,-16)
    for (auto& p : qg) arche.push_back(p);
    arche.push_back({-160, 32});
    std::vector<Chaine> regions = {arche};
    for (auto& c : RegionsPleines(1128214001)) regions.push_back(Deplacer(c, 96, 96));
    for (auto& c : RegionsPleines(1128632001)) regions.push_back(Deplacer(c, -96, 96));

    cairo_save(cr);
    Remplissage(cr, regions);
    cairo_clip(cr);
    Matiere(cr, zone, s, false);
    cairo_restore(cr);
    std::vector<CP::Trait> traits = CP::Contour(2014789632);
    auto Ajout = [&](int genre, float dx, float dy) {
        for (auto t : CP::Contour(genre))
        {
            t.debut += sf::Vector2f(dx, dy);
            t.fin += sf::Vector2f(dx, dy);
            traits.push_back(t);
        }
    };
    Ajout(1128478001, 96, -80);
    Ajout(1128896001, -96, -80);
    Ajout(1128214001, 96, 96);
    Ajout(1128632001, -96, 96);
    Surfaces(cr, s, zone, traits, [&]() { Remplissage(cr, regions); });
}

// poutres sous la piste d'une vrille, et reflets de la torsion
void Vrille(cairo_t* cr, int genre, const Style& s)
{
    auto t = CP::Contour(genre);
    // pylônes
    for (size_t i = 2; i + 2 < t.size(); i += 3)
    {
        sf::Vector2f p = t[i].debut;
        if (p.x < -180 || p.x > 180) continue;
        cairo_rectangle(cr, p.x - 4, p.y + 14, 8, 128 - (p.y + 14));
        Dessin::Remplir(cr, s.paroi.Sombre(0.2), s.trait, 1.5);
    }
    auto regions = RegionsPleines(genre);
    // anneaux de l'hélice autour de la piste, sauf dans un couloir de 6 px au-dessus d'elle
    {
        Chaine ch, couloir;
        ch.push_back(t[0].debut);
        for (auto& q : t) ch.push_back(q.fin);
        couloir = ch;
        for (size_t i = ch.size(); i-- > 0;)
        {
            sf::Vector2f d = ch[std::min(i + 1, ch.size() - 1)] - ch[i == 0 ? 0 : i - 1];
            float l = std::hypot(d.x, d.y);
            couloir.push_back(ch[i] - sf::Vector2f(-d.y, d.x) * (7.f / l));
        }
        cairo_save(cr);
        cairo_rectangle(cr, -400, -400, 800, 800);
        CheminPolygone(cr, couloir);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
        cairo_clip(cr);
        cairo_set_fill_rule(cr, CAIRO_FILL_RULE_WINDING);
        for (size_t i = 1; i + 1 < ch.size(); i += 2)
        {
            sf::Vector2f d = ch[i + 1] - ch[i - 1];
            double ang = std::atan2(d.y, d.x) / M_PI * 180;
            sf::Vector2f n(-d.y, d.x);
            n *= 1.f / std::hypot(n.x, n.y);
            Dessin::Ellipse(cr, ch[i].x + n.x * 18, ch[i].y + n.y * 18, 10, 34, ang);
            Dessin::Tracer(cr, s.trait.Alpha(200), 6);
            Dessin::Ellipse(cr, ch[i].x + n.x * 18, ch[i].y + n.y * 18, 10, 34, ang);
            Dessin::Tracer(cr, s.paroi.Clair(0.2), 3);
        }
        cairo_restore(cr);
    }
    cairo_save(cr);
    Remplissage(cr, regions);
    cairo_clip(cr);
    Dessin::Source(cr, s.surface);
    cairo_paint(cr);
    // bandes obliques : la piste se tord
    for (int k = -30; k < 30; ++k)
    {
        double x = 16.0 * k;
        cairo_move_to(cr, x, -200);
        cairo_line_to(cr, x + 60, 200);
    }
    Dessin::Tracer(cr, s.surfaceSombre, 5);
    cairo_restore(cr);
    Surfaces(cr, s, 0, t, [&]() { Remplissage(cr, regions); });
}
} // namespace

void DessinTerrain::Tuile(cairo_t* cr, int zone, int genre, int variante)
{
    Style s = StyleZone(zone);
    if (genre == 2014789632)
    {
        Boucle(cr, zone, s);
        return;
    }
    if (genre == 2000218001 || genre == 2000872001)
    {
        Vrille(cr, genre, s);
        return;
    }
    std::vector<Chaine> regions = RegionsPleines(genre);
    if (regions.empty())
        return;
    bool arriere = (genre == 1128000001);
    cairo_save(cr);
    Remplissage(cr, regions);
    cairo_clip(cr);
    Matiere(cr, zone, s, arriere);
    if (genre == 1128050084 || genre == 1128050086)
    {
        // remplissage profond, plus sombre
        Dessin::Source(cr, Teinte(0, 0, 0, genre == 1128050084 ? 50 : 80));
        cairo_paint(cr);
    }
    Details(cr, zone, s, variante);
    cairo_restore(cr);
    if (!arriere)
        Surfaces(cr, s, zone, CP::Contour(genre), [&]() { Remplissage(cr, regions); });
}

namespace
{
// plateformes mobiles et blocs de tunnel de la planche 128
void PetitePlateforme(cairo_t* cr, int zone, const Style& s)
{
    // dessus au centre de la tuile, 96 de large, 32 d'épaisseur
    Dessin::RectArrondi(cr, -48, 0, 96, 32, 6);
    cairo_save(cr);
    Dessin::RectArrondi(cr, -48, 0, 96, 32, 6);
    cairo_clip(cr);
    Matiere(cr, zone, s, false);
    cairo_rectangle(cr, -48, 0, 96, 9);
    Dessin::Source(cr, s.surface);
    cairo_fill(cr);
    cairo_rectangle(cr, -48, 0, 96, 3);
    Dessin::Source(cr, s.surfaceClair);
    cairo_fill(cr);
    cairo_restore(cr);
    Dessin::RectArrondi(cr, -48, 0, 96, 32, 6);
    Dessin::Tracer(cr, s.trait, 2.2);
}

void BlocInstable(cairo_t* cr, int zone, const Style& s)
{
    cairo_save(cr);
    cairo_rectangle(cr, -64, -64, 128, 128);
    cairo_clip(cr);
    Matiere(cr, zone, s, false);
    // fissures
    cairo_move_to(cr, -40, -64);
    cairo_line_to(cr, -20, -20);
    cairo_line_to(cr, -34, 20);
    cairo_line_to(cr, -10, 64);
    cairo_move_to(cr, 30, -64);
    cairo_line_to(cr, 16, -10);
    cairo_line_to(cr, 40, 30);
    Dessin::Tracer(cr, s.trait, 3);
    cairo_rectangle(cr, -64, -64, 128, 14);
    Dessin::Source(cr, s.surface);
    cairo_fill(cr);
    cairo_rectangle(cr, -64, -64, 128, 3.5);
    Dessin::Source(cr, s.surfaceClair);
    cairo_fill(cr);
    cairo_restore(cr);
    cairo_rectangle(cr, -64, -64, 128, 128);
    Dessin::Tracer(cr, s.trait, 2.2);
}

void DemiBloc(cairo_t* cr, int zone, const Style& s, int sorte)
{
    (void)zone;
    // sorte : 0 moitié gauche, 1 milieu, 2 cassée, 3 moitié droite ; cadre 32 x 128
    cairo_save(cr);
    cairo_rectangle(cr, 0, 0, 32, 128);
    cairo_clip(cr);
    if (sorte == 2)
    {
        for (int k = 0; k < 5; ++k)
        {
            double x = 4 + (k * 7) % 24, y = 108 + (k % 3) * 6;
            Dessin::Polygone(cr, {x, y, x + 8, y - 4, x + 10, y + 5, x + 2, y + 8});
            Dessin::Remplir(cr, s.caillou, s.trait, 1.2);
        }
        cairo_restore(cr);
        return;
    }
    Dessin::RectArrondi(cr, 1, 1, 30, 126, 4);
    Dessin::Source(cr, s.fond.Clair(0.1));
    cairo_fill(cr);
    for (int k = 0; k < 4; ++k)
    {
        cairo_rectangle(cr, 3, 3 + 31 * k, 26, 29);
        Dessin::Remplir(cr, s.caillou.Alpha(200), s.strate, 1.5);
        cairo_move_to(cr, 6, 8 + 31 * k);
        cairo_line_to(cr, 26, 26 + 31 * k);
        Dessin::Tracer(cr, s.strate, 1.5);
    }
    if (sorte == 0 || sorte == 3)
    {
        double x = sorte == 0 ? 2 : 30;
        cairo_move_to(cr, x, 0);
        cairo_line_to(cr, x, 128);
        Dessin::Tracer(cr, s.surfaceClair, 3);
    }
    cairo_rectangle(cr, 1, 1, 30, 126);
    Dessin::Tracer(cr, s.trait, 2);
    cairo_restore(cr);
}

void Tronc(cairo_t* cr, int zone, const Style& s)
{
    // 128 x 288, origine (64, 160) : dessus à -128, dessous à +128
    Dessin::Polygone(cr, {-60, -128, 60, -128, 64, -124, 64, 128, -64, 128, -64, -124});
    if (zone == 1)
        Dessin::RemplirDegrade(cr, Teinte(170, 110, 60), Teinte(110, 66, 34), -128, 128, s.trait, 2.5);
    else
        Dessin::RemplirDegrade(cr, s.caillou, s.strate, -128, 128, s.trait, 2.5);
    for (int k = 0; k < 6; ++k)
    {
        cairo_move_to(cr, -64, -100 + 44 * k);
        cairo_curve_to(cr, -20, -92 + 44 * k, 20, -108 + 44 * k, 64, -100 + 44 * k);
    }
    Dessin::Tracer(cr, s.trait.Alpha(150), 2);
    // cerne du dessus, sous le bord haut (y 32 de l'image)
    Dessin::Ellipse(cr, 0, -121, 56, 5, 0);
    Dessin::Remplir(cr, zone == 1 ? Teinte(230, 190, 120) : s.surfaceClair, s.trait, 2);
}
} // namespace

Planche DessinTerrain::Planche128(int zone)
{
    Planche p;
    p.chemin = "png/game/zones/" + std::to_string(zone) + "/textures/texture_128.png";
    p.famille = "zone" + std::to_string(zone);
    p.largeur = p.hauteur = 1920;
    p.largeurCadre = p.hauteurCadre = 192;
    for (int g : CP::Genres())
    {
        CP::Apparence a = CP::Image(g);
        if (a.planche != CP::PLANCHE_128) continue;
        if (a.colonne < 0) p.Ligne(a.ligne, 0, 4);
        else p.Ligne(a.ligne, a.colonne, a.colonne);
    }
    p.Ligne(1, 5, 5).Ligne(2, 5, 5);
    p.Rect(960, 800, 32, 128).Rect(992, 800, 32, 128).Rect(1056, 800, 32, 128).Rect(1120, 800, 32, 128);
    p.Rect(992, 800, 32, 32);
    p.dessiner = [zone](cairo_t* cr) {
        for (int g : CP::Genres())
        {
            CP::Apparence a = CP::Image(g);
            if (a.planche != CP::PLANCHE_128) continue;
            int c0 = a.colonne < 0 ? 0 : a.colonne, c1 = a.colonne < 0 ? 4 : a.colonne;
            for (int c = c0; c <= c1; ++c)
                DansCellule(cr, 192, 192, a.ligne, c, 96, 96, [&]() { Tuile(cr, zone, g, a.colonne < 0 ? c : 0); });
        }
        Style s = StyleZone(zone);
        DansCellule(cr, 192, 192, 1, 5, 96, 96, [&]() { PetitePlateforme(cr, zone, s); });
        DansCellule(cr, 192, 192, 2, 5, 96, 96, [&]() { BlocInstable(cr, zone, s); });
        const int x[4] = {960, 992, 1056, 1120};
        for (int k = 0; k < 4; ++k)
        {
            cairo_save(cr);
            cairo_translate(cr, x[k], 800);
            DemiBloc(cr, zone, s, k);
            cairo_restore(cr);
        }
    };
    return p;
}

Planche DessinTerrain::PlancheXl(int zone)
{
    Planche p;
    p.chemin = "png/game/zones/" + std::to_string(zone) + "/textures/texture_xl.png";
    p.famille = "zone" + std::to_string(zone);
    p.largeur = 1920;
    p.hauteur = 1888;
    for (int g : CP::Genres())
    {
        CP::Apparence a = CP::Image(g);
        if (a.planche == CP::PLANCHE_XL)
            p.Rect(a.rectangle.left, a.rectangle.top, a.rectangle.width, a.rectangle.height);
    }
    p.Rect(672, 224, 128, 288);
    p.dessiner = [zone](cairo_t* cr) {
        for (int g : CP::Genres())
        {
            CP::Apparence a = CP::Image(g);
            if (a.planche != CP::PLANCHE_XL || g == 2014789633 || g == 2000634001 || g == 2000496001)
                continue; // la face avant de la boucle est dans le cadre ; les vrilles verticales réutilisent
            cairo_save(cr);
            cairo_rectangle(cr, a.rectangle.left, a.rectangle.top, a.rectangle.width, a.rectangle.height);
            cairo_clip(cr);
            cairo_translate(cr, a.rectangle.left + a.origine.x, a.rectangle.top + a.origine.y);
            Tuile(cr, zone, g, 0);
            cairo_restore(cr);
        }
        cairo_save(cr);
        cairo_rectangle(cr, 672, 224, 128, 288);
        cairo_clip(cr);
        cairo_translate(cr, 672 + 64, 224 + 160);
        Tronc(cr, zone, StyleZone(zone));
        cairo_restore(cr);
    };
    return p;
}
