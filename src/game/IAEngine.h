#pragma once

#include <vector>

class CercleScenique;

// Donne à chaque cercle inscrit un pas de réflexion par frame.
class IAEngine
{
public:
    IAEngine();
    virtual ~IAEngine();

    static void Inscrire(CercleScenique* cercle);
    static void Desinscrire(CercleScenique* cercle);
    void Activer() { actif = true; }
    void Desactiver();
    bool Actif() const { return actif; }
    void Penser();

    static const std::vector<CercleScenique*>& Liste() { return cercles; }

private:
    bool actif;
    static std::vector<CercleScenique*> cercles;
};
