#pragma once

#include "Synthe.h"

#include <string>
#include <vector>

// Les trente bruitages du jeu, chacun une recette de couches.
std::vector<std::string> NomsBruitages();

// Rend le bruitage nommé (mono, 44,1 kHz, normalisé) ; faux si le nom est inconnu
bool RendreBruitage(const std::string& nom, synthe::Signal& sortie);

// Normalisation commune : crête sous le plafond, efficace plafonnée, bords propres
void FinaliserBruitage(synthe::Signal& s);

constexpr double CRETE_BRUITAGES_DB = -2.5;
constexpr double EFFICACE_MAX_BRUITAGES_DB = -14.0;
constexpr double SILENCE_AVANT = 0.0025; // secondes
