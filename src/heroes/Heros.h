#pragma once

#include "engine/EntiteInteractive.h"
#include "engine/Horloge.h"
#include "heroes/Personnage.h"

#include <deque>

class Bouclier;
class BurstrevDust;
class Sprite;

// États du héros
enum
{
    HEROS_PORTAIL = 10,
    HEROS_DEBOUT = 11,
    HEROS_ACCROUPI = 12,
    HEROS_REGARDE_HAUT = 13,
    HEROS_COURSE = 14,
    HEROS_CHUTE = 15,
    HEROS_DERAPAGE = 16,
    HEROS_DEMI_TOUR = 17,
    HEROS_ROULADE = 18,
    HEROS_SAUT = 19,
    HEROS_VRILLE = 20,
    HEROS_PROPULSE = 21,
    HEROS_BURSTREV = 22,
    HEROS_POUSSEE = 23,
    HEROS_RESPIRE = 24,
    HEROS_APPARITION = 25,
    HEROS_BLESSE = 26,
    HEROS_NOYE = 27,
    HEROS_MORT = 28,
    HEROS_ESCALADE = 29,
    HEROS_HISSE = 30,
    HEROS_PLANE = 31,
    HEROS_LACHE = 32,
    HEROS_RECEPTION_LACHE = 33,
    HEROS_GLISSADE = 34,
    HEROS_RELEVE = 35
};

// Réglages du mouvement, lus aussi par les objets du niveau
struct ReglagesHeros
{
    float accelerationSol = 54000.f;
    float frottementSol = -54000.f;
    float freinageDerapage = -576000.f;
    float vitesseMin = 60.f;
    float vitesseMax = 720.f;
    float vitesseDerapage = 360.f;
    float vitessePoussee = 15.f;
    float frottementRoulade = -27000.f;
    float freinageRoulade = -171000.f;
    float vitesseMinRoulade = 60.f;
    float vitesseBurstrev = 960.f;
    float chargeBurstrev = 0.f;
    float incrementBurstrev = 240.f;
    float chargeMaxBurstrev = 1440.f;
    float accelerationAir = 108000.f;
    float frottementAir = -0.f;
    float vitesseMinAir = 120.f;
    float vitesseMaxAir = 720.f;
    float vitesseSautCoupe = 480.f;
    float impulsionSaut = 780.f;
    float vitesseBlessure = 480.f;
    float vitesseMort = 840.f;
    float vitessePlongeeBulle = 960.f;
    float vitesseRebondBulle = 900.f;
    float vitesseDashFeu = 960.f;
    float vitesseDoubleSaut = 660.f;
    // vol plané et escalade
    float accelerationPlane = 18000.f;
    float anglePlane = 180.f;
    float vitesseVirage = 170.f;
    bool virageADroite = true;
    float vitesseAvantVirage = 0.f;
    float vitessePlane = 480.f;
    float vitesseMaxPlane = 2880.f;
    float gravitePlane = 5.6f;
    float chutePlane = 60.f;
    float vitesseEscalade = 120.f;
    float freinageGlissade = -144000.f;
    float ralentiLache = 0.25f;
};

// Personnage du joueur : commandes, machine d'états, contacts, objets, coups, vies.
class Heros : public EntiteInteractive, public Personnage
{
public:
    explicit Heros(SceneGraphique* scene, const sf::Vector2f& position = sf::Vector2f(0.f, -160.f));
    ~Heros() override;

    void MettreAJour(sf::RenderWindow& fenetre) override;
    void TraiterEvenement(const sf::Event& evenement) override;
    void Penser() override {}
    virtual void LireClavier();
    virtual void LireManette();
    virtual void EvenementClavier(const sf::Event& e);
    virtual void EvenementManette(const sf::Event& e);
    virtual void AppuiSaut();
    virtual void Droite();
    virtual void Gauche();
    virtual void SansDirection();
    virtual void Bas();
    virtual void BasRelache();
    virtual void Haut();
    virtual void HautRelache();
    virtual void SautMaintenu();
    virtual void SautRelache();

    void AppliquerMoteur() override;
    void ContactSolide() override;
    void Reception() override;
    void Rebondir() override;
    void Decoller() override;
    void Reinitialiser() override;
    bool Blesser(int genre) override;
    void ChangerEtat(int e) override;
    void Animer() override;
    void AnimerEtat() override;
    void ActualiserSpecifique() override;
    bool EstDangereux(const EntitePhysique* autre) override;
    void FixerEchelleTemps(float echelle) override;

    // Services offerts aux objets
    void AjouterScore(int points) { score += points; }
    int Score() const { return score; }
    void AjouterAnneaux(int n);
    int Anneaux() const { return anneaux; }
    void AjouterVies(int n);
    int Vies() const { return vies; }
    void DonnerBouclier(int type);
    void RetirerBouclier();
    int Bouclier() const { return marque; }
    class Bouclier* BouclierActif() const { return bouclierActif; }
    void ActiverTurbo(bool actif, bool relancer);
    bool Turbo() const { return turbo; }
    void EmpilerBonus(int id);
    std::size_t BonusEnAttente() const { return bonusEnAttente.size(); }
    void Propulser(double angle, float vitesse);
    void AfficherVrille(int sens, int image);
    void BloquerCommandes(bool b) { commandesBloquees = b; }
    bool CommandesBloquees() const { return commandesBloquees; }
    ReglagesHeros& ParametresMouvement() { return reglages; }
    const ReglagesHeros& ParametresMouvement() const { return reglages; }
    void LimiterAuNiveau();
    void PlacerAncreBouclier();
    void DisperserAnneaux();
    int PhaseSaut() const { return phaseSaut; }
    BurstrevDust* Poussiere() const { return poussiere; }

    // Vitesse du mouvement le long du sol (signée)
    float Vitesse() const { return forceMoteur.norme; }

protected:
    // une direction tenue : 1 vers la droite, -1 vers la gauche
    void Diriger(float sens);
    // Fin d'acte : commandes bloquées, le moteur fait courir le héros vers la droite
    bool FinDActe() const;
    virtual void PreparerCourseForcee();
    // La charge cesse : poussière retirée, charge à zéro
    void QuitterCharge();
    // Poses que les deux héros montrent de même (debout, accroupi, regard en haut, roulade, saut) ;
    // k allonge les durées sous l'eau. Vrai quand l'état courant en est une.
    bool AnimerPoseCommune(Sprite* s, float k);
    void DecollerCorps();
    void AppliquerTurbo(bool double_);
    void RebondBulle();
    bool RebondBullePossible() const;
    float Dt() const;

    ReglagesHeros reglages;
    int phaseSaut;
    bool commandesBloquees;
    BurstrevDust* poussiere;
    Horloge horlogeBulles;

    int anneaux;
    int score;
    std::deque<int> bonusEnAttente;
    std::deque<Horloge> horlogesBonus;
    class Bouclier* bouclierActif;
    int bouclierEnAttente;
    float dureeInvincibilite;
    bool turbo;
    bool turboApplique;
    float dureeTurbo;
    Horloge horlogeBouclier, horlogeTurbo;
};
