#pragma once

#include "Synthe.h"

#include <string>

// Écrit un fichier OGG Vorbis (mono si d est vide), à numéro de flux fixe :
// la même entrée donne toujours le même fichier.
bool EcrireOgg(const std::string& chemin, const synthe::Signal& g, const synthe::Signal& d,
               float qualite, std::string& erreur);
