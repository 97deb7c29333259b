#pragma once

#include "Planche.h"

#include <string>

// Dessine les planches dans le dossier de données et les planches-contact
class Generateur
{
public:
    // filtre : sous-chaîne du chemin (vide = tout) ; rend le nombre d'erreurs
    static int Generer(const std::string& donnees, const std::string& contacts, const std::string& filtre = "");
    static bool DessinerPlanche(const Planche& p, const std::string& donnees);
    static bool PlanchesContact(const std::vector<Planche>& planches, const std::string& donnees,
                                const std::string& dossier);
    static bool EcrirePng(cairo_surface_t* s, const std::string& fichier);
    // aperçu de l'écran de choix du héros, composé à partir des images générées
    static bool ApercuChoixHeros(const std::string& donnees, const std::string& fichier);
    static bool CreerDossiers(const std::string& chemin);
};
