#include "Silhouette.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <vector>

namespace
{
const double RAD = M_PI / 180;

struct Palette
{
    Teinte corps, sombre, trait, ventre, echarpe, botte, semelle, main;
};

Palette Couleurs(int heros)
{
    Palette p;
    if (heros == 0)
    {
        p.corps = Teinte(40, 112, 236);
        p.sombre = Teinte(24, 70, 170);
        p.trait = Teinte(10, 22, 64);
        p.ventre = Teinte(252, 232, 190);
        p.echarpe = Teinte(255, 206, 40);
        p.botte = Teinte(255, 128, 24);
        p.semelle = Teinte(250, 250, 245);
        p.main = Teinte(30, 86, 200);
    }
    else if (heros == 2)
    {
        // double d'acier du boss
        p.corps = Teinte(186, 192, 206);
        p.sombre = Teinte(120, 126, 144);
        p.trait = Teinte(24, 26, 36);
        p.ventre = Teinte(230, 236, 245);
        p.echarpe = Teinte(230, 40, 40);
        p.botte = Teinte(200, 30, 30);
        p.semelle = Teinte(60, 60, 70);
        p.main = Teinte(140, 146, 160);
    }
    else
    {
        p.corps = Teinte(226, 44, 40);
        p.sombre = Teinte(160, 24, 30);
        p.trait = Teinte(64, 8, 12);
        p.ventre = Teinte(255, 226, 180);
        p.echarpe = Teinte(40, 200, 110);
        p.botte = Teinte(90, 90, 104);
        p.semelle = Teinte(235, 235, 235);
        p.main = Teinte(255, 226, 180);
    }
    return p;
}

// point du squelette : x avant, y bas, z vers le spectateur
struct P3 { double x, y, z; };

struct Projection
{
    double cl, sl;
    double X(const P3& p) const { return p.x * cl - p.z * sl; }
    double Y(const P3& p) const { return p.y; }
    double Z(const P3& p) const { return p.x * sl + p.z * cl; }
};

P3 Bout(const P3& a, double angleDeg, double l)
{
    // angle mesuré depuis la verticale descendante, + vers l'avant
    return P3{a.x + l * std::sin(angleDeg * RAD), a.y + l * std::cos(angleDeg * RAD), a.z};
}

struct Piece
{
    double z;
    std::function<void()> dessin;
};
} // namespace

Teinte Silhouette::Principale(int heros) { return Couleurs(heros).corps; }
Teinte Silhouette::Contour(int heros) { return Couleurs(heros).trait; }

void Silhouette::Tete(cairo_t* cr, int heros, double x, double y, double r, double lacet, int yeux,
                      int bouche, double incl)
{
    Palette c = Couleurs(heros);
    const double cl = std::cos(lacet * RAD), sl = std::sin(lacet * RAD);
    // direction d'un point de la sphère de la tête : (avant, haut, côté)
    auto Proj = [&](double av, double ht, double cote, double& px, double& py, double& pz) {
        double a = incl * RAD;
        double av2 = av * std::cos(a) + ht * std::sin(a);
        double ht2 = ht * std::cos(a) - av * std::sin(a);
        px = x + r * (av2 * cl - cote * sl);
        py = y - r * ht2;
        pz = av2 * sl + cote * cl;
    };

    // oreilles, derrière la tête
    for (int s = -1; s <= 1; s += 2)
    {
        double bx, by, bz, tx, ty, tz;
        if (heros != 1)
        {
            Proj(-0.15, 0.75, 0.45 * s, bx, by, bz);
            Proj(-0.55, 1.55, 0.6 * s, tx, ty, tz);
        }
        else
        {
            Proj(-0.4, 0.6, 0.4 * s, bx, by, bz);
            Proj(-1.45, 0.95, 0.55 * s, tx, ty, tz);
        }
        double ang = std::atan2(ty - by, tx - bx) / RAD;
        double lg = std::hypot(tx - bx, ty - by);
        Dessin::Ellipse(cr, (bx + tx) / 2, (by + ty) / 2, lg / 2 + 2, r * (heros != 1 ? 0.36 : 0.26), ang);
        Dessin::Remplir(cr, bz < 0 ? c.sombre : c.corps, c.trait, 2);
        if (heros == 0 && bz >= -0.2)
        {
            Dessin::Ellipse(cr, (bx + tx) / 2, (by + ty) / 2, lg / 2 - 2, r * 0.16, ang);
            Dessin::Remplir(cr, Teinte(250, 170, 190), c.trait, 0);
        }
    }
    // crâne
    Dessin::Cercle(cr, x, y, r);
    Dessin::RemplirRadial(cr, x, y, r, c.corps.Clair(0.35), c.corps, c.trait, 2.2);
    // bandes du dos (carapace de Vanto, mèche de Tormundo)
    {
        double px, py, pz, qx, qy, qz;
        Proj(-0.75, 0.55, 0, px, py, pz);
        Proj(-0.95, -0.1, 0, qx, qy, qz);
        if (std::fabs(sl) < 0.98)
        {
            cairo_move_to(cr, px, py);
            cairo_line_to(cr, qx, qy);
            Dessin::Tracer(cr, c.sombre, 2);
        }
    }
    // museau clair
    double mx, my, mz;
    Proj(0.62, -0.32, 0, mx, my, mz);
    if (mz > -0.3)
    {
        double lx = r * 0.62 * (0.55 + 0.45 * std::fabs(cl) + 0.45 * std::fabs(sl));
        Dessin::Ellipse(cr, mx, my, std::min(lx, r * 0.75), r * 0.48, 0);
        Dessin::Remplir(cr, c.ventre, c.trait, 1.5);
    }
    // yeux
    for (int s = -1; s <= 1; s += 2)
    {
        double ex, ey, ez;
        Proj(0.55, 0.25, 0.42 * s, ex, ey, ez);
        if (ez < 0.12)
            continue;
        double vis = std::min(1.0, ez * 1.4);
        double re = r * 0.27;
        double gx = ex, gy = ey;
        if (yeux == Pose::CROIX)
        {
            for (int k = -1; k <= 1; k += 2)
            {
                cairo_move_to(cr, gx - re * vis, gy - re * k);
                cairo_line_to(cr, gx + re * vis, gy + re * k);
            }
            Dessin::Tracer(cr, c.trait, 2);
            continue;
        }
        if (yeux == Pose::FERMES)
        {
            cairo_move_to(cr, gx - re * vis, gy);
            cairo_curve_to(cr, gx - re * 0.3 * vis, gy + re * 0.6, gx + re * 0.3 * vis, gy + re * 0.6, gx + re * vis, gy);
            Dessin::Tracer(cr, c.trait, 2);
            continue;
        }
        double hy = (yeux == Pose::GRANDS) ? 1.35 : (yeux == Pose::PLISSES ? 0.6 : 1.15);
        Dessin::Ellipse(cr, gx, gy, re * vis, re * hy, 0);
        Dessin::Remplir(cr, Teinte(255, 255, 255), c.trait, 1.5);
        // pupille vers l'avant
        double dirx = cl;
        double px = gx + dirx * re * 0.35 * vis;
        double py = gy + (yeux == Pose::HAUT ? -re * 0.45 : 0.05 * re);
        Dessin::Ellipse(cr, px, py, re * 0.5 * vis, re * 0.62 * std::min(hy, 1.0), 0);
        Dessin::Remplir(cr, heros == 0 ? Teinte(20, 40, 30) : (heros == 2 ? Teinte(230, 20, 20) : Teinte(40, 20, 60)), c.trait, 0);
        Dessin::Cercle(cr, px + 0.25 * re * vis, py - 0.3 * re, re * 0.18);
        Dessin::Source(cr, Teinte(255, 255, 255));
        cairo_fill(cr);
        if (yeux == Pose::PLISSES)
        {
            cairo_move_to(cr, gx - re * vis * 1.1, gy - re * 0.9);
            cairo_line_to(cr, gx + re * vis * 1.1, gy - re * 0.5);
            Dessin::Tracer(cr, c.trait, 2);
        }
    }
    // nez et bouche
    double nx, ny, nz;
    Proj(0.98, -0.12, 0, nx, ny, nz);
    if (nz > -0.2)
    {
        Dessin::Ellipse(cr, nx, ny, r * 0.13 + 1, r * 0.1 + 1, 0);
        Dessin::Remplir(cr, Teinte(30, 20, 25), c.trait, 0);
        double bx, by, bz;
        Proj(0.7, -0.55, 0, bx, by, bz);
        double w = r * 0.22;
        switch (bouche)
        {
        case Pose::OUVERTE:
            Dessin::Ellipse(cr, bx, by, w * 0.8, w * 0.7, 0);
            Dessin::Remplir(cr, Teinte(120, 20, 30), c.trait, 1.2);
            break;
        case Pose::SERREE:
            cairo_move_to(cr, bx - w, by);
            cairo_line_to(cr, bx + w, by);
            Dessin::Tracer(cr, c.trait, 1.6);
            break;
        case Pose::JOUES:
            Dessin::Ellipse(cr, bx, by, w * 0.5, w * 0.5, 0);
            Dessin::Remplir(cr, Teinte(120, 20, 30), c.trait, 1.2);
            break;
        case Pose::GRIMACE:
            cairo_move_to(cr, bx - w, by + 2);
            cairo_line_to(cr, bx - w / 3, by - 1);
            cairo_line_to(cr, bx + w / 3, by + 2);
            cairo_line_to(cr, bx + w, by - 1);
            Dessin::Tracer(cr, c.trait, 1.6);
            break;
        default:
            cairo_move_to(cr, bx - w, by - 1.5);
            cairo_curve_to(cr, bx - w / 2, by + 2.5, bx + w / 2, by + 2.5, bx + w, by - 2);
            Dessin::Tracer(cr, c.trait, 1.6);
            break;
        }
    }
}

void Silhouette::Dessiner(cairo_t* cr, int heros, const Pose& p)
{
    Palette c = Couleurs(heros);
    cairo_save(cr);
    cairo_rotate(cr, -p.rotation * RAD);

    if (p.boule)
    {
        // traînées de vitesse derrière la boule
        for (int i = 0; i < 5 && p.vitesse > 0; ++i)
        {
            double y = -16 + i * 8;
            double l = (18 + 10 * ((i * 7) % 3)) * p.vitesse;
            cairo_move_to(cr, -28 - 2, y);
            cairo_line_to(cr, -28 - l, y);
            Dessin::Tracer(cr, c.corps.Clair(0.5).Alpha(170), 3);
        }
        const double R = 25;
        Dessin::Cercle(cr, 0, 0, R);
        Dessin::RemplirRadial(cr, 0, 0, R, c.corps.Clair(0.3), c.sombre, c.trait, 2.5);
        cairo_save(cr);
        Dessin::Cercle(cr, 0, 0, R - 1);
        cairo_clip(cr);
        cairo_rotate(cr, p.angleBoule * RAD);
        // ventre replié
        Dessin::Ellipse(cr, 10, 6, 13, 10, 35);
        Dessin::Remplir(cr, c.ventre, c.trait, 1.5);
        // bandes de la carapace (ou pelage)
        for (int k = -2; k <= 2; ++k)
        {
            double a = (200 + k * 28) * RAD;
            cairo_move_to(cr, 0.2 * R * std::cos(a), 0.2 * R * std::sin(a));
            cairo_line_to(cr, 1.3 * R * std::cos(a), 1.3 * R * std::sin(a));
            Dessin::Tracer(cr, c.sombre.Sombre(0.2), 2.5);
        }
        // bout de botte et pointe d'oreille
        Dessin::Ellipse(cr, 14, 18, 8, 5, 40);
        Dessin::Remplir(cr, c.botte, c.trait, 1.5);
        cairo_restore(cr);
        // oreille qui dépasse
        double ao = (p.angleBoule - 120) * RAD;
        Dessin::Ellipse(cr, (R + 3) * std::cos(ao), (R + 3) * std::sin(ao), 7, 4, p.angleBoule - 120);
        Dessin::Remplir(cr, c.corps, c.trait, 1.8);
        // reflet fixe
        Dessin::Reflet(cr, -9, -11, 8, 4, 0.5);
        // flou de rotation
        if (p.vitesse > 0)
        {
            for (int k = 0; k < 3; ++k)
            {
                double a0 = (p.angleBoule + 40 + k * 120) * RAD;
                cairo_arc(cr, 0, 0, R - 5, a0, a0 + 0.9);
                Dessin::Tracer(cr, Teinte(255, 255, 255, 150), 2);
            }
        }
        cairo_restore(cr);
        return;
    }

    const Projection pr{std::cos(p.lacet * RAD), std::sin(p.lacet * RAD)};
    const double ey = p.echelleY;
    // squelette
    P3 hanche{p.dx, 8 * ey + p.dy + 6 * (1 - ey), 0};
    P3 cou{hanche.x + 21 * ey * std::sin(p.tronc * RAD), hanche.y - 21 * ey * std::cos(p.tronc * RAD), 0};
    double ta = (p.tronc + (p.planeur ? 0 : -p.tete * 0.3)) * RAD;
    P3 tete{cou.x + 13 * std::sin(ta), cou.y - 13 * std::cos(ta), 0};
    P3 epaule{cou.x * 0.85 + hanche.x * 0.15, cou.y * 0.85 + hanche.y * 0.15 + 3, 0};

    std::vector<Piece> pieces;
    auto S = [&](const P3& q) { return std::make_pair(pr.X(q), pr.Y(q)); };

    // jambes (côté 1 = proche, -1 = loin)
    for (int s = -1; s <= 1; s += 2)
    {
        const double* j = (s == 1) ? p.jambeAv : p.jambeAr;
        P3 h{hanche.x, hanche.y, 6.0 * s};
        P3 g = Bout(h, j[0], 11 * ey);
        P3 ch = Bout(g, j[0] + j[1], 11 * ey);
        double z = pr.Z(h) - 2;
        pieces.push_back({z, [=, &c, &cr]() {
            auto a = S(h), b = S(g), d = S(ch);
            Teinte f = (pr.Z(h) < 0) ? c.sombre : c.corps;
            cairo_move_to(cr, a.first, a.second);
            cairo_line_to(cr, b.first, b.second);
            cairo_line_to(cr, d.first, d.second);
            Dessin::Tracer(cr, c.trait, 10);
            cairo_move_to(cr, a.first, a.second);
            cairo_line_to(cr, b.first, b.second);
            cairo_line_to(cr, d.first, d.second);
            Dessin::Tracer(cr, f, 7);
            // botte : orientée selon la jambe
            double ang = Silhouette::AngleBotte(j[0] + j[1]) * RAD;
            double fx = std::cos(ang) * pr.cl, fy = -std::sin(ang);
            double lg = 9 * std::max(0.45, std::fabs(pr.cl));
            double cx = d.first + fx * 4, cy = d.second + fy * 4 + 1.5;
            double angd = std::atan2(fy, fx) / RAD;
            Dessin::Ellipse(cr, cx, cy, lg, 5, angd);
            Dessin::Remplir(cr, c.botte, c.trait, 2);
            Dessin::Ellipse(cr, cx - fy * 3.5, cy + fx * 3.5 * (pr.cl >= 0 ? 1 : -1) * 0 + 3.2, lg * 0.9, 1.8, angd);
            Dessin::Remplir(cr, c.semelle, c.trait, 1);
        }});
    }
    // bras
    for (int s = -1; s <= 1; s += 2)
    {
        const double* b = (s == 1) ? p.brasAv : p.brasAr;
        P3 e{epaule.x, epaule.y, 9.0 * s};
        P3 co = Bout(e, b[0], 9.5);
        P3 m = Bout(co, b[0] + b[1], 9.5);
        double z = pr.Z(e) + (s == 1 ? 3 : -3);
        pieces.push_back({z, [=, &c, &cr]() {
            auto a = S(e), d = S(co), f = S(m);
            Teinte t = (pr.Z(e) < 0) ? c.sombre : c.corps;
            cairo_move_to(cr, a.first, a.second);
            cairo_line_to(cr, d.first, d.second);
            cairo_line_to(cr, f.first, f.second);
            Dessin::Tracer(cr, c.trait, 8);
            cairo_move_to(cr, a.first, a.second);
            cairo_line_to(cr, d.first, d.second);
            cairo_line_to(cr, f.first, f.second);
            Dessin::Tracer(cr, t, 5);
            Dessin::Cercle(cr, f.first, f.second, 4.2);
            Dessin::Remplir(cr, c.main, c.trait, 1.8);
        }});
    }
    // queue
    {
        P3 q0{hanche.x - 6 * std::cos(p.tronc * RAD), hanche.y + 1, 0};
        double aq = (p.queue + (heros != 1 ? 60 : 75)) * RAD;
        double lq = heros != 1 ? 13 : 24;
        P3 q1{q0.x - lq * std::sin(aq), q0.y - lq * std::cos(aq) * 0.6 + (heros != 1 ? 4 : -12), 0};
        pieces.push_back({-4 * pr.cl * 0 - 6 + pr.Z(q0) - 1, [=, &c, &cr]() {
            auto a = S(q0), b = S(q1);
            if (heros != 1)
            {
                Dessin::Membre(cr, a.first, a.second, b.first, b.second, 7, c.corps, c.trait);
                for (int k = 1; k <= 2; ++k)
                {
                    double t = k / 3.0;
                    Dessin::Cercle(cr, a.first + (b.first - a.first) * t, a.second + (b.second - a.second) * t, 1.5);
                    Dessin::Source(cr, c.sombre);
                    cairo_fill(cr);
                }
            }
            else
            {
                double mx = (a.first + b.first) / 2, my = (a.second + b.second) / 2 - 4;
                cairo_move_to(cr, a.first, a.second);
                cairo_curve_to(cr, mx, my - 6, mx, my + 4, b.first, b.second);
                Dessin::Tracer(cr, c.trait, 14);
                cairo_move_to(cr, a.first, a.second);
                cairo_curve_to(cr, mx, my - 6, mx, my + 4, b.first, b.second);
                Dessin::Tracer(cr, c.corps, 11);
                double ang = std::atan2(b.second - my, b.first - mx) / RAD;
                Dessin::Ellipse(cr, b.first, b.second, 7, 5, ang);
                Dessin::Remplir(cr, c.ventre, c.trait, 1.8);
            }
        }});
    }
    // buste
    pieces.push_back({0, [=, &c, &cr]() {
        auto a = S(hanche), b = S(cou);
        double ang = std::atan2(b.second - a.second, b.first - a.first) / RAD;
        double lg = std::hypot(b.first - a.first, b.second - a.second);
        double mx = (a.first + b.first) / 2, my = (a.second + b.second) / 2;
        double lx = lg / 2 + 8, ly = 10.5 * (0.8 + 0.2 * std::fabs(pr.sl)) * (0.85 + 0.15 * ey);
        Dessin::Ellipse(cr, mx, my, lx, ly, ang);
        Dessin::RemplirRadial(cr, mx, my, lx, c.corps.Clair(0.25), c.corps, c.trait, 2.2);
        // ventre vers l'avant (visible si tourné vers nous)
        double vz = pr.sl;
        double vx = mx + 5 * pr.cl, vy = my;
        if (vz > -0.5)
        {
            Dessin::Ellipse(cr, vx + 1.5 * pr.cl, vy + 1, lx * 0.75, ly * (0.45 + 0.25 * std::max(0.0, vz)), ang);
            Dessin::Remplir(cr, c.ventre, c.trait, 1.2);
        }
        // bandes du dos
        if (heros != 1 && pr.sl < 0.9)
        {
            for (int k = -1; k <= 1; ++k)
            {
                double t = 0.5 + k * 0.25;
                double px = a.first + (b.first - a.first) * t, py = a.second + (b.second - a.second) * t;
                double nx = -std::sin(ang * RAD), ny = std::cos(ang * RAD);
                (void)nx; (void)ny;
                cairo_save(cr);
                Dessin::Ellipse(cr, mx, my, lx, ly, ang);
                cairo_clip(cr);
                cairo_move_to(cr, px - 14 * pr.cl, py - 2);
                cairo_line_to(cr, px - 3 * pr.cl, py + 2);
                Dessin::Tracer(cr, c.sombre, 2);
                cairo_restore(cr);
            }
        }
    }});
    // écharpe
    pieces.push_back({0.5, [=, &c, &cr]() {
        auto b = S(cou);
        Dessin::Ellipse(cr, b.first, b.second + 1, 9 * (0.7 + 0.3 * std::fabs(pr.sl)), 4, 0);
        Dessin::Remplir(cr, c.echarpe, c.trait, 1.8);
        double f = p.echarpe;
        double bx = b.first - 4 * pr.cl, by = b.second + 1;
        double ex = bx - (10 + 12 * f) * pr.cl, eyy = by + 12 - 10 * f;
        if (std::fabs(pr.cl) > 0.2)
        {
            cairo_move_to(cr, bx, by - 2);
            cairo_curve_to(cr, bx - 6 * pr.cl, by - 2 - 4 * f, ex + 4 * pr.cl, eyy - 3, ex, eyy);
            cairo_line_to(cr, ex + 2 * pr.cl, eyy + 5);
            cairo_curve_to(cr, ex + 6 * pr.cl, eyy, bx - 4 * pr.cl, by + 3, bx, by + 3);
            cairo_close_path(cr);
            Dessin::Remplir(cr, c.echarpe, c.trait, 1.6);
        }
    }});
    // tête
    pieces.push_back({1, [=, &c, &cr]() {
        auto t = S(tete);
        Silhouette::Tete(cr, heros, t.first, t.second, 14.5, p.lacet, p.yeux, p.bouche, p.tete + (p.planeur ? 0 : 0));
    }});

    std::stable_sort(pieces.begin(), pieces.end(), [](const Piece& a, const Piece& b) { return a.z < b.z; });
    for (auto& pc : pieces)
        pc.dessin();
    (void)c;
    cairo_restore(cr);
}
