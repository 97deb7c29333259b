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

private slots:
    void ClavierChoisi();
    void ManetteChoisie();

private:
    MyQtSFMLWindow* canvas;
    QAction* actionClavier;
    QAction* actionManette;
};
