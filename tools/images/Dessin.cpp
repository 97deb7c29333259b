#include "Dessin.h"

#include <cmath>
#include <cstdlib>

Teinte Teinte::Clair(double f) const
{
    return Teinte(r + (255 - r) * f, v + (255 - v) * f, b + (255 - b) * f, a);
}

Teinte Teinte::Sombre(double f) const
{
    return Teinte(r * (1 - f), v * (1 - f), b * (1 - f), a);
}

void Dessin::Source(cairo_t* cr, const Teinte& t)
{
    cairo_set_source_rgba(cr, t.r / 255.0, t.v / 255.0, t.b / 255.0, t.a / 255.0);
}

void Dessin::Remplir(cairo_t* cr, const Teinte& fond, const Teinte& trait, double epaisseur)
{
    Source(cr, fond);
    if (epaisseur > 0)
    {
        cairo_fill_preserve(cr);
        Tracer(cr, trait, epaisseur);
    }
    else
        cairo_fill(cr);
}

void Dessin::RemplirDegrade(cairo_t* cr, const Teinte& haut, const Teinte& bas, double y0, double y1,
                            const Teinte& trait, double epaisseur)
{
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, haut.r / 255, haut.v / 255, haut.b / 255, haut.a / 255);
    cairo_pattern_add_color_stop_rgba(p, 1, bas.r / 255, bas.v / 255, bas.b / 255, bas.a / 255);
    cairo_set_source(cr, p);
    if (epaisseur > 0)
    {
        cairo_fill_preserve(cr);
        Tracer(cr, trait, epaisseur);
    }
    else
        cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void Dessin::RemplirRadial(cairo_t* cr, double cx, double cy, double r, const Teinte& centre,
                           const Teinte& bord, const Teinte& trait, double epaisseur)
{
    cairo_pattern_t* p = cairo_pattern_create_radial(cx - r * 0.35, cy - r * 0.35, r * 0.1, cx, cy, r);
    cairo_pattern_add_color_stop_rgba(p, 0, centre.r / 255, centre.v / 255, centre.b / 255, centre.a / 255);
    cairo_pattern_add_color_stop_rgba(p, 1, bord.r / 255, bord.v / 255, bord.b / 255, bord.a / 255);
    cairo_set_source(cr, p);
    if (epaisseur > 0)
    {
        cairo_fill_preserve(cr);
        Tracer(cr, trait, epaisseur);
    }
    else
        cairo_fill(cr);
    cairo_pattern_destroy(p);
}

void Dessin::Tracer(cairo_t* cr, const Teinte& t, double epaisseur)
{
    Source(cr, t);
    cairo_set_line_width(cr, epaisseur);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

void Dessin::Cercle(cairo_t* cr, double x, double y, double r)
{
    cairo_new_sub_path(cr);
    cairo_arc(cr, x, y, r, 0, 2 * M_PI);
    cairo_close_path(cr);
}

void Dessin::Ellipse(cairo_t* cr, double x, double y, double rx, double ry, double angleDeg)
{
    if (rx < 0.01) rx = 0.01;
    if (ry < 0.01) ry = 0.01;
    cairo_save(cr);
    cairo_translate(cr, x, y);
    cairo_rotate(cr, angleDeg * M_PI / 180);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_close_path(cr);
    cairo_restore(cr);
}

void Dessin::RectArrondi(cairo_t* cr, double x, double y, double l, double h, double r)
{
    if (r > l / 2) r = l / 2;
    if (r > h / 2) r = h / 2;
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + l - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + l - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 1.5 * M_PI);
    cairo_close_path(cr);
}

void Dessin::Polygone(cairo_t* cr, const std::vector<double>& xy)
{
    cairo_new_sub_path(cr);
    for (size_t i = 0; i + 1 < xy.size(); i += 2)
        cairo_line_to(cr, xy[i], xy[i + 1]);
    cairo_close_path(cr);
}

void Dessin::Membre(cairo_t* cr, double x1, double y1, double x2, double y2, double larg,
                    const Teinte& fond, const Teinte& trait)
{
    cairo_move_to(cr, x1, y1);
    cairo_line_to(cr, x2, y2);
    Tracer(cr, trait, larg + 3);
    cairo_move_to(cr, x1, y1);
    cairo_line_to(cr, x2, y2);
    Tracer(cr, fond, larg);
}

void Dessin::Etoile(cairo_t* cr, double x, double y, double r1, double r2, int branches, double angleDeg)
{
    cairo_new_sub_path(cr);
    for (int i = 0; i < 2 * branches; ++i)
    {
        double a = angleDeg * M_PI / 180 + i * M_PI / branches - M_PI / 2;
        double r = (i % 2) ? r2 : r1;
        cairo_line_to(cr, x + r * std::cos(a), y + r * std::sin(a));
    }
    cairo_close_path(cr);
}

void Dessin::Texte(cairo_t* cr, const std::string& s, double x, double y, double taille,
                   const Teinte& fond, const Teinte& trait, double epaisseur, bool centre, bool gras)
{
    cairo_save(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           gras ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, taille);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    double x0 = centre ? x - e.width / 2 - e.x_bearing : x;
    double y0 = centre ? y - e.height / 2 - e.y_bearing : y;
    cairo_new_path(cr);
    cairo_move_to(cr, x0, y0);
    cairo_text_path(cr, s.c_str());
    if (epaisseur > 0)
    {
        Tracer(cr, trait, epaisseur * 2);
        cairo_move_to(cr, x0, y0);
        cairo_text_path(cr, s.c_str());
    }
    Source(cr, fond);
    cairo_fill(cr);
    cairo_restore(cr);
}

double Dessin::LargeurTexte(cairo_t* cr, const std::string& s, double taille, bool gras)
{
    cairo_save(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL,
                           gras ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, taille);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    cairo_restore(cr);
    return e.x_advance;
}

void Dessin::Reflet(cairo_t* cr, double x, double y, double rx, double ry, double alpha)
{
    Ellipse(cr, x, y, rx, ry, -30);
    cairo_set_source_rgba(cr, 1, 1, 1, alpha);
    cairo_fill(cr);
}

double Dessin::Hasard()
{
    return std::rand() / (double)RAND_MAX;
}
