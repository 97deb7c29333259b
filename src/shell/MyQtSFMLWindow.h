#pragma once

#include "engine/Horloge.h"
#include "engine/PasFixes.h"
#include "shell/QtSFMLWindow.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Text.hpp>

#include <vector>

class Ecran;

// Le canvas du jeu : écrans, frame, pause et actions des menus.
class MyQtSFMLWindow : public QtSFMLWindow
{
    Q_OBJECT

public:
    MyQtSFMLWindow(QWidget* parent, const QPoint& position, const QSize& taille);
    ~MyQtSFMLWindow() override;

    // Durée d'un pas de jeu, en secondes : le pas de tout mouvement (fixe ; une frame en joue
    // aucun, un ou plusieurs selon sa durée réelle)
    static float DureeFrame() { return dureeFrame; }
    // Pour les tests : impose la durée de frame
    static void DefinirDureeFrame(float d) { dureeFrame = d; }
    // À appeler avant toute fenêtre : en rendu logiciel (Mesa), l'image se rastérise dans le fil du
    // jeu plutôt que dans des fils à part (sauf choix de l'utilisateur)
    static void PreparerRenduLogiciel();

    int EcranCourant() const { return ecranCourant; }
    bool EnPause() const { return pause; }
    int Frequence() const { return frequence; }
    Ecran* EcranNumero(int id) const;
    // Nombre de frames jouées depuis la création (mesure de la cadence)
    unsigned long NombreFrames() const { return nombreFrames; }

    // Une frame complète (appelée par l'événement de peinture) : la logique, puis le dessin dans l'image
    void Actualiser() override;
    void ActualiserLogique();
    void ActualiserDessin();

    // L'image du jeu : toujours 640 × 480, montrée agrandie d'un facteur entier, centrée
    static const int LARGEUR = 640, HAUTEUR = 480;
    const sf::RenderTexture& Image() const { return image; }
    int Echelle() const;
    sf::IntRect ZoneImage() const;
    // Le jeu dessine dans l'image, pas dans la fenêtre : cible à utiliser pour le canvas
    static sf::RenderTarget* CibleDessin(sf::RenderTarget* cible);
    // ENTRER relâché met en pause ou reprend (écran de jeu, niveau en cours)
    bool PauseParEntrerPermise() const;

signals:
    void en_pause(bool coche);

public slots:
    void Redemarrer();
    void Interrompre(bool interruption);
    void ActiverSynchroVerticale(bool synchro);
    void SetLimiteFramerate();
    void DesactiverSon(bool son);
    void OuvrirMenuVolume();
    void ChoisirClavier();
    void ChoisirManette();
    void OuvrirMenuControleur();

protected:
    void Initialiser() override;
    void Presenter() override;
    void resizeEvent(QResizeEvent* e) override;

private:
    void ChangerEcran();
    void RecevoirEvenements();
    sf::View VueImage() const;
    // Copie l'image dans cette zone de la fenêtre (fractions de sa taille) ; faux si impossible
    bool CopierImage(const sf::FloatRect& zone);

    std::vector<Ecran*> ecrans;
    int ecranCourant;
    int frequence;
    bool pause;
    Horloge horloge;
    PasFixes pasJeu;
    float dureeReelle; // durée réelle de la frame précédente
    int pasFrame = 0;  // pas de jeu joués par la frame en cours
    static float dureeFrame;
    unsigned long nombreFrames;
    sf::RenderTexture image;
    sf::Text motPause;
};
