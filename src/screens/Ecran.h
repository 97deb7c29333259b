#pragma once

class Application;
class MyQtSFMLWindow;

// Écran permanent : sait construire et détruire l'application de son état.
class Ecran
{
public:
    explicit Ecran(MyQtSFMLWindow* canvas);
    virtual ~Ecran();

    virtual void Lancer() = 0;
    virtual void Arreter();

    static void DemanderEcran(int id) { ecranDemande = id; }
    static int EcranDemande() { return ecranDemande; }

    int Id() const { return id; }
    Application* App() const { return application; }

protected:
    MyQtSFMLWindow* canvas;
    Application* application;
    int id;

private:
    static int ecranDemande;
};
