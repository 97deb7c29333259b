#pragma once

#include <QDialog>

class QSlider;

// Réglage des volumes de la musique et des sons.
class MenuDialogVolume : public QDialog
{
    Q_OBJECT

public:
    MenuDialogVolume(QWidget* parent, Qt::WindowFlags drapeaux);

    QSlider* CurseurMusique() const { return curseurMusique; }
    QSlider* CurseurSon() const { return curseurSon; }

public slots:
    void Valider();

private:
    QSlider* curseurMusique;
    QSlider* curseurSon;
};
