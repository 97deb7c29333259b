#pragma once

#include "engine/EntiteGraphique.h"
#include "engine/Horloge.h"

#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>

#include <string>
#include <vector>

class SceneGraphique;
class Heros;

// Affichage de la partie : score, temps, anneaux, vies, bilan d'acte, compte à rebours, fin de partie.
class GameInfos : public EntiteGraphique
{
public:
    explicit GameInfos(SceneGraphique* scene);
    ~GameInfos() override;

    void FixerHeros(Heros* h) { heros = h; }
    void FixerTemps(float t);
    void Masquer() { visible = false; }
    void Montrer();
    void Animer() override;
    void Dessiner(sf::RenderTarget& canvas) override;

    // Redémarre l'horloge du bilan (à l'entrée en fin d'acte)
    void DebuterBilan();

    // Formats des textes
    static std::string TexteScore(int score);
    static std::string TexteTemps(float t);
    static std::string TexteAnneaux(int n);
    static std::string TexteVies(int n);
    static std::string TexteBonus(int v);
    static int BonusTemps(float t);

    bool Visible() const { return visible; }
    float TempsNiveau() const { return tempsNiveau; }
    int EtapeResultats() const { return etapeResultats; }
    int BonusTempsRestant() const { return bonusTemps; }
    int BonusAnneauxRestant() const { return bonusAnneaux; }
    int BonusTotal() const { return bonusTotal; }
    bool AlerteOxygene() const { return alerteOxygene; }
    int CompteARebours() const { return compteARebours; }
    bool FinDePartie() const { return finDePartie; }
    const sf::Text& ValeurScore() const { return score; }
    const sf::Text& ValeurTemps() const { return temps; }
    const sf::Text& ValeurAnneaux() const { return anneaux; }
    const sf::Text& ValeurVies() const { return vies; }
    const sf::Text& Titre() const { return titre; }
    const sf::Text& Game() const { return game; }
    const sf::Text& Over() const { return over; }
    bool MotsReunis() const;

    // Entrées lues à la fin de partie : les touches du clavier, puis les boutons de la manette
    static int NombreEntrees();

protected:
    // L'entrée est-elle enfoncée en ce moment ? (touche i, ou bouton i − nombre de touches)
    virtual bool EntreeEnfoncee(int entree) const;

private:
    void EtapeBilan();
    void EtapeCompte();
    void EtapeFinDePartie();
    void ReconstruireBonus();
    void DessinerOmbre(sf::RenderTarget& canvas, sf::Text* textes[], const sf::Color couleurs[], int n,
                       sf::Sprite* icone = nullptr);
    static void Centrer(sf::Text& t);

    SceneGraphique* scene;
    Heros* heros;
    bool visible;
    float tempsNiveau;
    int etapeResultats;
    sf::Sprite icone;
    sf::Text labelScore, labelTemps, labelAnneaux;
    sf::Text score, temps, anneaux, vies;
    sf::Text compte;
    sf::Text titre, sousTitre;
    sf::Text labelBonusTemps, labelBonusAnneaux, labelBonusTotal;
    sf::Text valeurBonusTemps, valeurBonusAnneaux, valeurBonusTotal;
    sf::Text game, over;
    bool alerteOxygene;
    int compteARebours;
    Horloge horlogeCompte;
    int bonusTemps, bonusAnneaux, bonusTotal;
    Horloge horlogeResultats;
    Horloge horlogePas;
    bool finDePartie;
    Horloge horlogeFin;
    Horloge horlogeReunis;
    bool reunis;
    std::vector<bool> tenues; // entrées enfoncées depuis la rencontre, pas encore relâchées
    Horloge horlogeClignote;
    bool alerte;
    int etatPrecedent;
};
