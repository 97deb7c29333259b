#pragma once

#include "engine/Singleton.h"

// Choix du contrôleur et touches / boutons des huit actions.
class GestionnaireControleurs : public Singleton<GestionnaireControleurs>
{
    friend class Singleton<GestionnaireControleurs>;

public:
    enum { CLAVIER = 0, MANETTE = 1 };

    int Controleur() const { return controleur; }
    void DefinirControleur(int k) { controleur = k; }
    int Touche(int action) const { return touches[action]; }
    void DefinirTouche(int action, int touche) { touches[action] = touche; }
    unsigned int Bouton(int i) const { return boutons[i]; }
    void DefinirBouton(int i, unsigned int bouton) { boutons[i] = bouton; }

    // Remet les réglages d'origine (tests)
    void Reinitialiser();

private:
    GestionnaireControleurs();
    int controleur;
    int touches[8];
    unsigned int boutons[4];
};
