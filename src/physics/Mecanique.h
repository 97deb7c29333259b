#pragma once

class CercleMecanique;

// Maillon d'une chaîne articulée : ses voisins et s'il mène le mouvement.
class Mecanique
{
public:
    Mecanique(CercleMecanique* parent = nullptr, CercleMecanique* enfant = nullptr);
    virtual ~Mecanique();

    virtual void Entrainer() = 0;

    void FixerMoteur(bool m) { moteur = m; }
    void FixerParent(CercleMecanique* p) { parent = p; }
    CercleMecanique* Parent() const { return parent; }
    CercleMecanique* Enfant() const { return enfant; }
    bool Moteur() const { return moteur; }

protected:
    CercleMecanique* parent;
    CercleMecanique* enfant;
    bool moteur;
};
