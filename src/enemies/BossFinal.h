#pragma once

#include "physics/CercleMecanique.h"

#include <vector>

class BossFinal_Reacteur;
class BossFinal_Tete;
class BossFinal_Epaule;
class BossFinal_Genou;
class BossFinal_Botte;
class BossFinal_Bras;
class BossFinal_AvantBras;
class Viseur;
class Malvek;
class ZubBombe;

// Grand robot final : un corps qui porte tête, épaulière, réacteur, deux jambes et deux bras.
// Il marche en posant ses bottes, saute hors de vue, retombe sur la cible du viseur,
// puis fonce et tire ses poings ou lance des bombes. Sept coups, le huitième l'abat.
class BossFinal : public CercleMecanique
{
public:
    static constexpr const char* IMAGE = "data/png/game/personnages/boss/final/robot.png";
    static constexpr const char* MUSIQUE = "data/ogg/musics/final.ogg";
    static constexpr int POINTS_DE_VIE = 7;

    enum Etats
    {
        ATTENTE = 0,
        REGARD = 11,
        VAINCU = 28,
        OUVERTURE = 36,
        PILOTE = 37,
        FERMETURE = 38,
        PAUSE = 39,
        MARCHE = 41,
        RECUL = 42,
        SAUT = 64,
        SUSPENDU = 65,
        VISEE = 66,
        CHUTE = 71,
        AMORTI = 72,
        DEBOUT = 73,
        FENTE = 74,
        DEBOUT_FENTE = 75,
        RELEVE = 76,
        DEBOUT_RELEVE = 77,
        POING_AVANT = 78,
        POING_ARRIERE = 79,
        BOMBES = 81
    };

    BossFinal(SceneGraphique* scene, const sf::Vector2f& position, float profondeur,
              const std::vector<float>& parametres = std::vector<float>());
    ~BossFinal() override;

    void ValiderDeplacement() override;
    void Rebondir() override {}
    void Penser() override;
    void ToucherHeros(Heros* heros) override;
    void ContactSolide() override {}
    void ChangerEtat(int e) override;
    bool EstDangereux(const EntitePhysique* corps) override;
    void Entrainer() override;
    void AnimerEtat() override;
    virtual void Commencer();
    virtual void Terminer() {}

    // un morceau détruit par la scène ne laisse pas de pointeur pendant
    void Oublier(const void* morceau);

    bool Invulnerable() const { return drapeauCercle; }
    Horloge& HorlogeEtat() { return horloge2; }
    // un morceau ou une bombe de ce robot blesse-t-il encore ? (plus rien après la défaite)
    static bool Menace(const BossFinal* corps);
    // le héros est arrivé dans l'arène : la vue y est fermée
    bool AreneFermee() const { return areneFermee; }

    int pointsDeVie;
    int compteurActions;
    float milieuArene;
    float profondeurBase;
    BossFinal_Reacteur* reacteur;
    BossFinal_Tete* tete;
    BossFinal_Epaule* epaule;
    BossFinal_Genou* genou1;
    BossFinal_Genou* genou2;
    BossFinal_Bras* bras1;
    BossFinal_Bras* bras2;
    Viseur* viseur;
    Malvek* pilote;
    std::vector<ZubBombe*> bombes;

    // angle donné face à -x, retourné quand le robot regarde vers +x
    double Miroir(double angle) const;
    BossFinal_Botte* Botte(const BossFinal_Genou* genou) const;
    BossFinal_AvantBras* AvantBras(const BossFinal_Bras* bras) const;

private:
    // confie un élément à la scène ; faux s'il n'y a pas trouvé place (il est alors détruit)
    bool Confier(ElementScenique* element);
    void ReinitialiserMembres();
    void Detacher(bool bras);
    void Attacher();
    void Relacher();
    // vrai dès que la caméra a atteint le bord droit (ou sans caméra) ; ferme alors l'arène
    bool HerosArrive();

    bool areneFermee;
};
