#pragma once

#include <string>
#include <vector>

// Génère tous les bruitages et musiques dans <data>/ogg/sounds et <data>/ogg/musics.
struct BilanFichier
{
    std::string chemin;
    bool ok = false;
    std::string erreur;
    double duree = 0.0, creteDb = 0.0, efficaceDb = 0.0, secondesCalcul = 0.0;
    std::vector<std::pair<std::string, double>> pistes; // musiques : efficace de chaque piste
};

std::vector<std::string> NomsMusiques();

// filtre : si non vide, seuls ces noms (sans extension) sont générés
std::vector<BilanFichier> GenererTout(const std::string& dossierData, const std::string& dossierNotes,
                                      const std::vector<std::string>& filtre = {});

// Une musique lue depuis son texte, écrite en OGG
BilanFichier GenererMusique(const std::string& fichierNotes, const std::string& sortie);
