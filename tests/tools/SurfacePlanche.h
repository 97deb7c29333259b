#pragma once

#include "Catalogue.h"
#include "Planche.h"

#include <cairo.h>

#include <cmath>
#include <cstdint>
#include <stdexcept>

// Planche du générateur dessinée en mémoire, pour lire ses pixels
class SurfacePlanche
{
public:
    explicit SurfacePlanche(const Planche& p)
        : s(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, p.largeur, p.hauteur))
    {
        cairo_t* cr = cairo_create(s);
        p.dessiner(cr);
        cairo_destroy(cr);
        cairo_surface_flush(s);
    }
    ~SurfacePlanche() { cairo_surface_destroy(s); }
    SurfacePlanche(const SurfacePlanche&) = delete;
    SurfacePlanche& operator=(const SurfacePlanche&) = delete;

    int Largeur() const { return cairo_image_surface_get_width(s); }
    int Hauteur() const { return cairo_image_surface_get_height(s); }
    uint32_t Pixel(int x, int y) const
    {
        const unsigned char* d = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
        return reinterpret_cast<const uint32_t*>(d)[x];
    }
    int Alpha(double x, double y) const
    {
        int ix = (int)std::floor(x), iy = (int)std::floor(y);
        if (ix < 0 || iy < 0 || ix >= Largeur() || iy >= Hauteur())
            return 0;
        return Pixel(ix, iy) >> 24;
    }

    // boîte englobante des pixels assez opaques d'un rectangle (relative au rectangle)
    struct Boite { int x0, y0, x1, y1; bool vide; };
    Boite Englobante(int x, int y, int l, int h, int seuil = 128) const
    {
        Boite b{l, h, -1, -1, true};
        for (int j = 0; j < h; ++j)
            for (int i = 0; i < l; ++i)
                if (Alpha(x + i, y + j) >= seuil)
                {
                    b.vide = false;
                    b.x0 = std::min(b.x0, i);
                    b.y0 = std::min(b.y0, j);
                    b.x1 = std::max(b.x1, i);
                    b.y1 = std::max(b.y1, j);
                }
        return b;
    }

    // planche du catalogue par son chemin
    static Planche Trouver(const std::string& chemin)
    {
        for (const Planche& p : Catalogue::Toutes())
            if (p.chemin == chemin)
                return p;
        throw std::runtime_error("planche absente : " + chemin);
    }

private:
    cairo_surface_t* s;
};
