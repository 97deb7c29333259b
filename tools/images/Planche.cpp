#include "Planche.h"

Planche& Planche::Ligne(int ligne, int c0, int c1)
{
    for (int c = c0; c <= c1; ++c)
        cadres.push_back(Cadre{c * largeurCadre, ligne * hauteurCadre, largeurCadre, hauteurCadre});
    return *this;
}

Planche& Planche::Rect(int x, int y, int l, int h)
{
    cadres.push_back(Cadre{x, y, l, h});
    return *this;
}

void DansCellule(cairo_t* cr, int lc, int hc, int ligne, int colonne, double ox, double oy,
                 const std::function<void()>& f)
{
    cairo_save(cr);
    cairo_rectangle(cr, colonne * lc, ligne * hc, lc, hc);
    cairo_clip(cr);
    cairo_translate(cr, colonne * lc + ox, ligne * hc + oy);
    f();
    cairo_restore(cr);
}
