#pragma once

class MyQtSFMLWindow;

// Préchargement des images, musiques et sons.
class QSFMLLoader
{
public:
    explicit QSFMLLoader(MyQtSFMLWindow* canvas);
    void Charger();
    bool Charge() const { return charge; }

private:
    MyQtSFMLWindow* canvas;
    bool charge;
};
