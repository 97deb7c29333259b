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

    // Le canvas du jeu, créé à la première demande (ou juste après l'apparition de la fenêtre)
    MyQtSFMLWindow* Canvas();
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

protected:
    void showEvent(QShowEvent* e) override;

private:
    void AjusterTaille();
    void CreerCanvas();
    // Ce qui occupe le centre : le canvas, ou le fond noir qui l'attend
    QWidget* Centre() const;

    MyQtSFMLWindow* canvas;
    QWidget* support;
    QAction* actionPause;
    QAction* actionClavier;
    QAction* actionManette;
    QAction* actionsTaille[4];
    QAction* actionPleinEcran;
    int facteur;
    bool pleinEcran;
    QPoint positionFenetre;
};
