#pragma once

#include "engine/QSFMLLoader.h"
#include "screens/Application.h"
#include "screens/Generique.h"

// Démarrage : cartes du générique, préchargement, musique du titre.
class AppDemarrage : public Application
{
public:
    explicit AppDemarrage(MyQtSFMLWindow* canvas);
    void Executer() override;
    void TraiterEvenement(const sf::Event& evenement) override;

    const Generique& Sequence() const { return generique; }
    const QSFMLLoader& Chargeur() const { return chargeur; }

private:
    QSFMLLoader chargeur;
    Generique generique;
};
