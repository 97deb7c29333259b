#pragma once

#include "engine/EntiteInteractive.h"

#include <vector>

class Widget;

// Menu : liste de widgets possédés, un seul surligné et un seul choisi.
class WMenuWidgets : public EntiteInteractive
{
public:
    explicit WMenuWidgets(int indice);
    ~WMenuWidgets() override;

    void AjouterWidget(Widget* w);
    void Precedent();
    void Suivant();
    void TraiterEvenement(const sf::Event& evenement) override;
    void MettreAJourSelection();

    int Indice() const { return indice; }
    const std::vector<Widget*>& Widgets() const { return widgets; }

private:
    void BornerIndice();

    std::vector<Widget*> widgets;
    bool premierPassage;
    int indice;
};
