#pragma once

#include "engine/Singleton.h"

// Choix du joueur dans les menus : héros et niveau de départ.
class GameOptions : public Singleton<GameOptions>
{
    friend class Singleton<GameOptions>;

public:
    enum { VANTO = 0, TORMUNDO = 1 };

    int HerosChoisi() const { return herosChoisi; }
    void DefinirHerosChoisi(int h) { herosChoisi = h; }
    // 0 : aucun niveau choisi
    int NiveauChoisi() const { return niveauChoisi; }
    void DefinirNiveauChoisi(int n) { niveauChoisi = n; }

private:
    GameOptions() = default;
    int herosChoisi = VANTO;
    int niveauChoisi = 0;
};
