#pragma once

class MyQtSFMLWindow;
namespace sf { class RenderTarget; }

// Préchargement de toutes les images, musiques et sons du dossier data/.
class QSFMLLoader
{
public:
    explicit QSFMLLoader(MyQtSFMLWindow* canvas);
    explicit QSFMLLoader(sf::RenderTarget& cible);

    void Charger();
    bool Charge() const { return charge; }

private:
    void ChargerTextures();
    void ChargerMusiques();
    void ChargerSons();

    sf::RenderTarget* canvas;
    bool charge;
};
