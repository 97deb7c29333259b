#pragma once

// Force polaire (norme, angle) avec ses composantes cartésiennes.
class Force
{
public:
    Force();
    virtual ~Force();

    void VersComposantes();
    void VersPolaire();
    void Annuler();

    float acceleration;
    float norme;
    double angle;
    float x, y;
};
