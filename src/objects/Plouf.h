#pragma once

#include "scene/ElementScenique.h"

#include <cstddef>

// Éclaboussure qui jaillit d'une surface d'eau, jouée une fois puis supprimée.
class Plouf : public ElementScenique
{
public:
    Plouf(SceneGraphique* scene, const sf::Vector2f& position);
    ~Plouf() override;

    void AnimerEtat() override;

    // Éclaboussures encore en vie
    static std::size_t Nombre();
};
