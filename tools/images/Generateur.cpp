#include "Generateur.h"

#include "Catalogue.h"
#include "Dessin.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <map>
#include <sys/stat.h>

bool Generateur::CreerDossiers(const std::string& chemin)
{
    size_t pos = 0;
    while ((pos = chemin.find('/', pos + 1)) != std::string::npos)
    {
        std::string d = chemin.substr(0, pos);
        if (!d.empty())
            mkdir(d.c_str(), 0755);
    }
    return true;
}

bool Generateur::EcrirePng(cairo_surface_t* s, const std::string& fichier)
{
    // toujours en RVBA 8 bits non entrelacé, même quand l'image est opaque
    const int l = cairo_image_surface_get_width(s), h = cairo_image_surface_get_height(s);
    const int pas = cairo_image_surface_get_stride(s);
    const unsigned char* donnees = cairo_image_surface_get_data(s);
    FILE* f = std::fopen(fichier.c_str(), "wb");
    if (!f)
        return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!png || !info || setjmp(png_jmpbuf(png)))
    {
        png_destroy_write_struct(&png, &info);
        std::fclose(f);
        return false;
    }
    png_init_io(png, f);
    png_set_IHDR(png, info, l, h, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    std::vector<unsigned char> ligne(4 * l);
    for (int y = 0; y < h; ++y)
    {
        const uint32_t* src = reinterpret_cast<const uint32_t*>(donnees + y * pas);
        for (int x = 0; x < l; ++x)
        {
            // ARGB prémultiplié vers RVBA direct
            uint32_t p = src[x];
            unsigned a = p >> 24, r = (p >> 16) & 255, v = (p >> 8) & 255, b = p & 255;
            if (a > 0 && a < 255)
            {
                r = (r * 255 + a / 2) / a;
                v = (v * 255 + a / 2) / a;
                b = (b * 255 + a / 2) / a;
            }
            ligne[4 * x] = (unsigned char)std::min(255u, r);
            ligne[4 * x + 1] = (unsigned char)std::min(255u, v);
            ligne[4 * x + 2] = (unsigned char)std::min(255u, b);
            ligne[4 * x + 3] = (unsigned char)a;
        }
        png_write_row(png, ligne.data());
    }
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(f) == 0;
}

bool Generateur::DessinerPlanche(const Planche& p, const std::string& donnees)
{
    if (p.largeur <= 0 || p.hauteur <= 0 || p.largeur > 2048 || p.hauteur > 2048)
    {
        std::cerr << "Taille d'image refusée : " << p.chemin << std::endl;
        return false;
    }
    cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, p.largeur, p.hauteur);
    cairo_t* cr = cairo_create(s);
    // hasard reproductible : graine tirée du chemin
    unsigned graine = 17;
    for (char c : p.chemin)
        graine = graine * 31 + (unsigned char)c;
    std::srand(graine);
    if (p.dessiner)
        p.dessiner(cr);
    cairo_destroy(cr);
    cairo_surface_flush(s);
    std::string fichier = donnees + "/" + p.chemin;
    CreerDossiers(fichier);
    bool ok = EcrirePng(s, fichier);
    cairo_surface_destroy(s);
    if (!ok)
        std::cerr << "Impossible d'écrire l'image : " << fichier << std::endl;
    return ok;
}

bool Generateur::PlanchesContact(const std::vector<Planche>& planches, const std::string& donnees,
                                 const std::string& dossier)
{
    std::map<std::string, std::vector<const Planche*>> familles;
    for (const Planche& p : planches)
        familles[p.famille].push_back(&p);
    bool ok = true;
    for (auto& f : familles)
    {
        // mise en page : une planche par ligne, réduite à 1200 px de large au plus
        const double largeurMax = 1200;
        double h = 10;
        std::vector<double> echelles;
        for (const Planche* p : f.second)
        {
            double e = std::min(1.0, largeurMax / p->largeur);
            if (p->hauteur * e > 900) e = 900.0 / p->hauteur;
            echelles.push_back(e);
            h += 24 + p->hauteur * e + 12;
        }
        int H = std::min(16000, (int)h);
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, (int)largeurMax + 20, H);
        cairo_t* cr = cairo_create(s);
        cairo_set_source_rgb(cr, 0.16, 0.16, 0.18);
        cairo_paint(cr);
        double y = 10;
        for (size_t i = 0; i < f.second.size(); ++i)
        {
            const Planche* p = f.second[i];
            double e = echelles[i];
            Dessin::Texte(cr, p->chemin + "  " + std::to_string(p->largeur) + "x" + std::to_string(p->hauteur)
                                  + (p->largeurCadre ? "  cadre " + std::to_string(p->largeurCadre) + "x"
                                                           + std::to_string(p->hauteurCadre) : ""),
                          10, y + 16, 13, Teinte(255, 255, 255), Teinte(), 0, false, false);
            y += 24;
            double w = p->largeur * e, hh = p->hauteur * e;
            // damier sous la transparence
            cairo_save(cr);
            cairo_rectangle(cr, 10, y, w, hh);
            cairo_clip(cr);
            for (int cy = 0; cy * 8 < hh; ++cy)
                for (int cx = 0; cx * 8 < w; ++cx)
                {
                    double g = ((cx + cy) % 2) ? 0.55 : 0.45;
                    cairo_set_source_rgb(cr, g, g, g);
                    cairo_rectangle(cr, 10 + cx * 8, y + cy * 8, 8, 8);
                    cairo_fill(cr);
                }
            cairo_surface_t* img = cairo_image_surface_create_from_png((donnees + "/" + p->chemin).c_str());
            if (cairo_surface_status(img) == CAIRO_STATUS_SUCCESS)
            {
                cairo_translate(cr, 10, y);
                cairo_scale(cr, e, e);
                cairo_set_source_surface(cr, img, 0, 0);
                cairo_paint(cr);
                // grille et cadres adressés
                cairo_set_line_width(cr, 1.0 / e);
                if (p->largeurCadre > 0)
                {
                    cairo_set_source_rgba(cr, 0.6, 0.6, 0.6, 0.6);
                    for (int x = 0; x <= p->largeur; x += p->largeurCadre)
                    {
                        cairo_move_to(cr, x, 0);
                        cairo_line_to(cr, x, p->hauteur);
                    }
                    for (int yy = 0; yy <= p->hauteur; yy += p->hauteurCadre)
                    {
                        cairo_move_to(cr, 0, yy);
                        cairo_line_to(cr, p->largeur, yy);
                    }
                    cairo_stroke(cr);
                }
                cairo_set_source_rgba(cr, 1, 0.2, 0.2, 0.9);
                for (const Cadre& c : p->cadres)
                    if (c.h * e >= 6 && c.l * e >= 6) // les lignes de 2 px se liraient mal sous le trait
                        cairo_rectangle(cr, c.x + 0.5 / e, c.y + 0.5 / e, c.l - 1 / e, c.h - 1 / e);
                cairo_stroke(cr);
            }
            else
                ok = false;
            cairo_surface_destroy(img);
            cairo_restore(cr);
            y += hh + 12;
        }
        cairo_destroy(cr);
        std::string fichier = dossier + "/contact-sheet-" + f.first + ".png";
        CreerDossiers(fichier);
        ok = cairo_surface_write_to_png(s, fichier.c_str()) == CAIRO_STATUS_SUCCESS && ok;
        cairo_surface_destroy(s);
    }
    return ok;
}

bool Generateur::ApercuChoixHeros(const std::string& donnees, const std::string& fichier)
{
    cairo_surface_t* fond = cairo_image_surface_create_from_png((donnees + "/png/accueil/ecran.png").c_str());
    cairo_surface_t* h[2] = {
        cairo_image_surface_create_from_png((donnees + "/png/game/personnages/heros/vanto.png").c_str()),
        cairo_image_surface_create_from_png((donnees + "/png/game/personnages/heros/tormundo.png").c_str())};
    bool ok = cairo_surface_status(fond) == CAIRO_STATUS_SUCCESS && cairo_surface_status(h[0]) == CAIRO_STATUS_SUCCESS
              && cairo_surface_status(h[1]) == CAIRO_STATUS_SUCCESS;
    if (ok)
    {
        cairo_surface_t* s = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, 640, 480);
        cairo_t* cr = cairo_create(s);
        cairo_set_source_surface(cr, fond, 0, 0);
        cairo_paint(cr);
        const double x[2] = {245, 395};
        const Teinte nom[2] = {Teinte(0, 64, 255), Teinte(255, 32, 32)};
        for (int k = 0; k < 2; ++k)
        {
            // cadre du héros en surbrillance (le premier), image de la deuxième rangée
            if (k == 0)
            {
                cairo_rectangle(cr, x[k] - 70, 160, 140, 160);
                Dessin::Remplir(cr, Teinte(255, 255, 255, 32), Teinte(255, 255, 255), 2);
            }
            cairo_save(cr);
            cairo_rectangle(cr, x[k] - 80, 160, 160, 160);
            cairo_clip(cr);
            int colonne = k == 0 ? 3 : 0;
            cairo_set_source_surface(cr, h[k], x[k] - 80 - colonne * 160, 160 - (k == 0 ? 160 : 0));
            cairo_paint(cr);
            cairo_restore(cr);
            Dessin::Texte(cr, k == 0 ? "vanto" : "tormundo", x[k], 295, 20, nom[k], Teinte(), 0);
        }
        cairo_destroy(cr);
        CreerDossiers(fichier);
        ok = EcrirePng(s, fichier);
        cairo_surface_destroy(s);
    }
    cairo_surface_destroy(fond);
    cairo_surface_destroy(h[0]);
    cairo_surface_destroy(h[1]);
    return ok;
}

int Generateur::Generer(const std::string& donnees, const std::string& contacts, const std::string& filtre)
{
    std::vector<Planche> toutes = Catalogue::Toutes();
    std::vector<Planche> choisies;
    int erreurs = 0;
    for (const Planche& p : toutes)
        if (filtre.empty() || p.chemin.find(filtre) != std::string::npos)
        {
            if (!DessinerPlanche(p, donnees))
                ++erreurs;
            choisies.push_back(p);
        }
    if (!contacts.empty() && !PlanchesContact(choisies, donnees, contacts))
        ++erreurs;
    if (!contacts.empty() && filtre.empty() && !ApercuChoixHeros(donnees, contacts + "/apercu-choix-heros.png"))
        ++erreurs;
    return erreurs;
}
