#include "Route.h"

#include "heroes/Heros.h"

#include <cmath>
#include <fstream>
#include <sstream>

namespace
{
bool LireNombre(const std::string& s, float& v)
{
    char* fin = nullptr;
    v = std::strtof(s.c_str(), &fin);
    return !s.empty() && fin && *fin == '\0' && std::isfinite(v);
}

bool EstAction(const std::string& m)
{
    for (const char* a : {"droite", "gauche", "stop", "saut", "bas", "haut", "charge", "attendre", "auto", "fin"})
        if (m == a)
            return true;
    return false;
}
} // namespace

bool Route::Charger(const std::string& chemin, int heros, std::string* erreur)
{
    std::ifstream f(chemin);
    if (!f)
    {
        if (erreur)
            *erreur = "route illisible : " + chemin;
        return false;
    }
    std::stringstream tout;
    tout << f.rdbuf();
    return Lire(tout.str(), heros, erreur);
}

bool Route::Lire(const std::string& texte, int heros, std::string* erreur)
{
    Vider();
    std::istringstream lignes(texte);
    std::string ligne;
    int numero = 0;
    auto Faute = [&](const std::string& quoi) {
        if (erreur)
            *erreur = "ligne " + std::to_string(numero) + " : " + quoi;
        etapes.clear();
        return false;
    };
    while (std::getline(lignes, ligne))
    {
        ++numero;
        const auto diese = ligne.find('#');
        if (diese != std::string::npos)
            ligne.erase(diese);
        std::istringstream mots(ligne);
        std::vector<std::string> m;
        for (std::string w; mots >> w;)
            m.push_back(w);
        if (m.empty())
            continue;
        size_t i = 0;
        if (m[0] == "vanto:" || m[0] == "tormundo:")
        {
            if ((m[0] == "vanto:") != (heros == 0))
                continue;
            ++i;
        }
        Etape e;
        e.ligne = numero;
        for (; i < m.size() && !EstAction(m[i]); ++i)
        {
            const std::string& c = m[i];
            Condition k;
            if (c == "sol" || c == "air")
                k.variable = c == "sol" ? 's' : 'a';
            else if (c.size() >= 3 && (c[0] == 'x' || c[0] == 'y' || c[0] == 't') && (c[1] == '>' || c[1] == '<'))
            {
                k.variable = c[0];
                k.plusGrand = c[1] == '>';
                if (!LireNombre(c.substr(2), k.valeur))
                    return Faute("nombre illisible dans « " + c + " »");
            }
            else
                return Faute("condition inconnue « " + c + " »");
            e.conditions.push_back(k);
        }
        if (i >= m.size())
            return Faute("action manquante");
        e.action = m[i++];
        if (i < m.size())
        {
            if (e.action == "auto")
            {
                if (m[i] != "oui" && m[i] != "non")
                    return Faute("« auto » attend oui ou non");
                e.oui = m[i] == "oui";
            }
            else if (!LireNombre(m[i], e.valeur) || e.valeur < 0.f)
                return Faute("valeur illisible « " + m[i] + " »");
            ++i;
        }
        else if (e.action == "attendre" || e.action == "auto")
            return Faute("« " + e.action + " » attend une valeur");
        if (i < m.size())
            return Faute("mot en trop « " + m[i] + " »");
        etapes.push_back(e);
    }
    return true;
}

void Route::Vider()
{
    etapes.clear();
    Recommencer();
}

void Route::Recommencer()
{
    prochaine = 0;
    finie = false;
    direction = directionAvant = 1;
    finAttente = -1.f;
    finSaut = debutSaut = -10.f;
    finBas = finHaut = -1.f;
    automatique = true;
    phaseCharge = 0;
    appuisRestants = 0;
    xRepere = 0.f;
    tRepere = 0.f;
}

bool Route::Remplie(const Etape& e, const Heros& h, float t) const
{
    for (const Condition& c : e.conditions)
    {
        float v = 0.f;
        switch (c.variable)
        {
        case 's': if (!h.sol) return false; continue;
        case 'a': if (h.sol) return false; continue;
        case 'x': v = h.position.x; break;
        case 'y': v = h.position.y; break;
        default: v = t; break;
        }
        if (c.plusGrand ? !(v > c.valeur) : !(v < c.valeur))
            return false;
    }
    return true;
}

void Route::Sauter(float t, float duree)
{
    debutSaut = t;
    finSaut = t + duree;
    ++sauts;
}

void Route::Declencher(const Etape& e, const Heros&, float t)
{
    const float v = e.valeur;
    if (e.action == "droite" || e.action == "gauche" || e.action == "stop")
    {
        direction = e.action == "droite" ? 1 : e.action == "gauche" ? -1 : 0;
        directionAvant = direction;
        finAttente = -1.f;
    }
    else if (e.action == "saut")
        Sauter(t, v < 0.f ? 0.35f : v);
    else if (e.action == "bas")
        finBas = t + (v < 0.f ? 0.5f : v);
    else if (e.action == "haut")
        finHaut = t + (v < 0.f ? 0.5f : v);
    else if (e.action == "charge")
    {
        phaseCharge = 1;
        appuisRestants = v < 0.f ? 3 : std::max(1, int(v));
        tPhase = t;
    }
    else if (e.action == "attendre")
    {
        if (finAttente < 0.f)
            directionAvant = direction;
        finAttente = t + v;
    }
    else if (e.action == "auto")
        automatique = e.oui;
    else if (e.action == "fin")
        finie = true;
}

void Route::Appliquer(Heros& h, float t, float)
{
    // étapes remplies à cette frame, dans l'ordre
    while (!finie && prochaine < etapes.size() && Remplie(etapes[prochaine], h, t))
        Declencher(etapes[prochaine++], h, t);

    if (finAttente >= 0.f && t >= finAttente)
    {
        finAttente = -1.f;
        direction = directionAvant;
    }
    int sens = finAttente >= 0.f ? 0 : direction;

    // charge : s'arrêter, s'accroupir, appuyer, lâcher
    bool basTenu = t < finBas;
    bool appui = false;
    if (phaseCharge)
    {
        sens = 0;
        switch (phaseCharge)
        {
        case 1:
            if ((h.sol && std::fabs(h.Vitesse()) < 1.f) || t - tPhase > 3.f)
            {
                phaseCharge = 2;
                tPhase = t;
            }
            break;
        case 2:
            basTenu = true;
            if (h.Etat() == HEROS_ACCROUPI || h.Etat() == HEROS_BURSTREV || t - tPhase > 0.5f)
            {
                phaseCharge = 3;
                tAppui = t - 1.f;
            }
            break;
        case 3:
            basTenu = true;
            if (t - tAppui >= 0.1f)
            {
                appui = true;
                tAppui = t;
                if (--appuisRestants <= 0)
                {
                    phaseCharge = 4;
                    tPhase = t;
                }
            }
            break;
        default:
            if (t - tPhase >= 0.1f)
                phaseCharge = 0;
            else
                basTenu = true;
            break;
        }
    }

    if (basTenu)
        h.Bas();
    else if (t < finHaut)
        h.Haut();
    else
    {
        h.BasRelache();
        h.HautRelache();
    }
    if (sens > 0)
        h.Droite();
    else if (sens < 0)
        h.Gauche();
    else
        h.SansDirection();

    // saut automatique quand le héros piétine dans le sens tenu ; relevés sur une grille de 0,4 s
    // (mêmes instants à toute cadence)
    const float case04 = std::floor(t / 0.4f + 1e-3f);
    if (case04 != tRepere)
    {
        if (automatique && sens != 0 && !phaseCharge && (h.position.x - xRepere) * float(sens) < 24.f &&
            t - debutSaut > 0.9f)
            Sauter(t, 0.35f);
        xRepere = h.position.x;
        tRepere = case04;
    }
    if (appui)
        h.AppuiSaut();
    if (!phaseCharge && t >= debutSaut && t < finSaut)
        h.SautMaintenu();
    else
        h.SautRelache();
}
