#pragma once

#include <QMainWindow>

class MyQtSFMLWindow;
class QAction;

// Fenêtre principale : barre de menus et canvas du jeu.
class MyQMainWindow : public QMainWindow
{
    Q_OBJECT

public:
    MyQMainWindow();

    MyQtSFMLWindow* Canvas() const { return canvas; }
    int Facteur() const { return facteur; }
    bool PleinEcran() const { return pleinEcran; }
    // Hauteur de la barre de menus pour une largeur de fenêtre donnée
    int HauteurBarre(int largeur) const;

public slots:
    // Taille de la fenêtre : l'image du jeu agrandie f fois (1 à 4)
    void DefinirFacteur(int f);
    void BasculerPleinEcran(bool plein);

private slots:
    void ClavierChoisi();
    void ManetteChoisie();

private:
    void AjusterTaille();

    MyQtSFMLWindow* canvas;
    QAction* actionClavier;
    QAction* actionManette;
    QAction* actionsTaille[4];
    QAction* actionPleinEcran;
    int facteur;
    bool pleinEcran;
    QPoint positionFenetre;
};
