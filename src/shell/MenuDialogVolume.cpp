#include "shell/MenuDialogVolume.h"

#include "engine/GestionnaireAudio.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QVBoxLayout>

MenuDialogVolume::MenuDialogVolume(QWidget* parent, Qt::WindowFlags drapeaux) : QDialog(parent, drapeaux)
{
    setFixedSize(250, 150);
    setWindowTitle(QString::fromUtf8("Réglages des volumes"));
    const int musique = GestionnaireAudio::Instance()->VolumeMusiques();
    const int son = GestionnaireAudio::Instance()->VolumeSons();

    auto* vertical = new QVBoxLayout(this);
    vertical->setGeometry(QRect(QPoint(10, 10), QPoint(189, 89)));

    auto ligneCurseur = [this, vertical](QSlider*& curseur, int valeur) {
        auto* ligne = new QHBoxLayout();
        curseur = new QSlider(Qt::Horizontal, this);
        curseur->setFixedWidth(200);
        curseur->setRange(0, 100);
        curseur->setValue(valeur);
        auto* nombre = new QLabel(this);
        nombre->setNum(valeur);
        connect(curseur, SIGNAL(valueChanged(int)), nombre, SLOT(setNum(int)));
        ligne->addWidget(curseur);
        ligne->addWidget(nombre);
        vertical->addLayout(ligne);
    };
    vertical->addWidget(new QLabel("Volume de la musique ( % )", this));
    ligneCurseur(curseurMusique, musique);
    vertical->addWidget(new QLabel("Volume du son ( % )", this));
    ligneCurseur(curseurSon, son);
    vertical->addSpacing(30);

    auto* boutons = new QHBoxLayout();
    auto* ok = new QPushButton("OK", this);
    auto* annuler = new QPushButton("Annuler", this);
    ok->setFixedSize(80, 25);
    annuler->setFixedSize(80, 25);
    boutons->addWidget(ok, 0, Qt::AlignHCenter);
    boutons->addWidget(annuler, 0, Qt::AlignHCenter);
    vertical->addLayout(boutons);
    connect(ok, SIGNAL(clicked()), this, SLOT(Valider()));
    connect(annuler, SIGNAL(clicked()), this, SLOT(close()));
}

void MenuDialogVolume::Valider()
{
    GestionnaireAudio::Instance()->DefinirVolumeMusiques(curseurMusique->value());
    GestionnaireAudio::Instance()->DefinirVolumeSons(curseurSon->value());
    close();
}
