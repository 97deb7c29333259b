#pragma once

#include "Synthe.h"

#include <vector>

// Une couche sonore : un oscillateur (ou du bruit) avec balayage de hauteur,
// enveloppe, filtre balayé, FM, vibrato et trémolo. Les bruitages en
// superposent quelques-unes ; chaque note des musiques en est une.
struct Couche
{
    synthe::Forme forme = synthe::Forme::Sinus;
    double rapportCyclique = 0.5;
    double debut = 0.0, duree = 0.2;   // secondes ; duree inclut la relâche
    double f0 = 440.0, f1 = 440.0;     // balayage exponentiel de f0 à f1
    double courbeHauteur = 1.0;        // >1 : le balayage traîne au début
    double volume = 1.0;
    synthe::Enveloppe env{0.003, 0.1, 0.0, 0.01, 1.0};
    std::vector<double> arpege;        // demi-tons, un par pas
    double pasArpege = 0.0;
    double vibFreq = 0.0, vibProf = 0.0, vibRetard = 0.0; // vibrato en demi-tons
    double tremFreq = 0.0, tremProf = 0.0;
    double fmRapport = 0.0, fmIndice0 = 0.0, fmIndice1 = 0.0;
    int filtreMode = -1;               // -1 : pas de filtre
    double coupure0 = 1000.0, coupure1 = 1000.0, q = 0.7, dureeFiltre = 0.0;
    int unisson = 1;
    double desaccord = 0.0;            // centièmes de demi-ton entre voix
    double panoramique = 0.0;          // -1 gauche, +1 droite (musiques)

    Couche() = default;
    Couche(synthe::Forme f, double fa, double fb, double deb, double dur, double vol)
        : forme(f), debut(deb), duree(dur), f0(fa), f1(fb), volume(vol) {}

    Couche& Env(double a, double d, double s, double r, double courbe = 1.0)
    {
        env = {a, d, s, r, courbe};
        return *this;
    }
    Couche& Filtre(int mode, double c0, double c1, double qq = 0.7)
    {
        filtreMode = mode;
        coupure0 = c0;
        coupure1 = c1;
        q = qq;
        return *this;
    }
    Couche& Fm(double rapport, double i0, double i1)
    {
        fmRapport = rapport;
        fmIndice0 = i0;
        fmIndice1 = i1;
        return *this;
    }
    Couche& Vib(double f, double prof, double retard = 0.0)
    {
        vibFreq = f;
        vibProf = prof;
        vibRetard = retard;
        return *this;
    }
    Couche& Trem(double f, double prof)
    {
        tremFreq = f;
        tremProf = prof;
        return *this;
    }
    Couche& Arp(std::vector<double> pas, double duree)
    {
        arpege = std::move(pas);
        pasArpege = duree;
        return *this;
    }
    Couche& Duty(double r)
    {
        rapportCyclique = r;
        return *this;
    }
    Couche& Courbe(double c)
    {
        courbeHauteur = c;
        return *this;
    }

    // Ajoute la couche dans sortie (agrandie si besoin), décalée de debut
    void Rendre(synthe::Signal& sortie, double decalage = 0.0) const;
    // Version sans agrandissement, repliée modulo la taille (boucles)
    void RendreCirculaire(synthe::Signal& sortie, long long debutEchantillon, float gain) const;

private:
    template <typename Ecrire> void Generer(Ecrire ecrire) const;
};

synthe::Signal RendreCouches(const std::vector<Couche>& couches);
