#include "Synthe.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <deque>

namespace synthe {

namespace {
const double PI = 3.14159265358979323846;

double Blep(double t, double dt)
{
    if (t < dt) {
        t /= dt;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - dt) {
        t = (t - 1.0) / dt;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}
} // namespace

float Bruit()
{
    return static_cast<float>(std::rand()) / RAND_MAX * 2.f - 1.f;
}

float Oscillateur::Suivant(double dp)
{
    dp = std::clamp(dp, 0.0, 0.49);
    double p = phase;
    double v = 0.0;
    switch (forme) {
    case Forme::Sinus:
        v = std::sin(2.0 * PI * p);
        break;
    case Forme::Scie:
        v = 2.0 * p - 1.0 - Blep(p, dp);
        break;
    case Forme::Carre: {
        v = p < rapport ? 1.0 : -1.0;
        v += Blep(p, dp);
        v -= Blep(std::fmod(p + 1.0 - rapport, 1.0), dp);
        // recentre : la valeur moyenne d'un carré non symétrique n'est pas nulle
        v -= 2.0 * rapport - 1.0;
        break;
    }
    case Forme::Triangle:
        v = 4.0 * std::fabs(p - 0.5) - 1.0;
        break;
    case Forme::Bruit:
        v = Bruit();
        break;
    case Forme::BruitTenu:
        v = tenu;
        break;
    }
    phase += dp;
    if (phase >= 1.0) {
        phase -= std::floor(phase);
        if (forme == Forme::BruitTenu)
            tenu = Bruit();
    }
    return static_cast<float>(v);
}

double Enveloppe::Valeur(double t, double porte) const
{
    auto niveau = [this](double u) {
        if (u < a)
            return u / a;
        u -= a;
        if (u < d)
            return s + (1.0 - s) * std::pow(1.0 - u / d, courbe);
        return s;
    };
    if (t < 0.0)
        return 0.0;
    if (t < porte)
        return niveau(t);
    double v0 = niveau(porte);
    if (r <= 0.0)
        return 0.0;
    double u = (t - porte) / r;
    if (u >= 1.0)
        return 0.0;
    return v0 * (1.0 - u) * (1.0 - u);
}

void FiltreEtat::Regler(double coupure, double q)
{
    coupure = std::clamp(coupure, 10.0, FREQ * 0.45);
    g = std::tan(PI * coupure / FREQ);
    k = 1.0 / std::max(q, 0.1);
    a1 = 1.0 / (1.0 + g * (g + k));
    a2 = g * a1;
    a3 = g * a2;
}

float FiltreEtat::Traiter(float x)
{
    double v3 = x - ic2;
    double v1 = a1 * ic1 + a2 * v3;
    double v2 = ic2 + a2 * ic1 + a3 * v3;
    ic1 = 2.0 * v1 - ic1;
    ic2 = 2.0 * v2 - ic2;
    switch (mode) {
    case PasseBas:
        return static_cast<float>(v2);
    case PasseHaut:
        return static_cast<float>(x - k * v1 - v2);
    case PasseBande:
        return static_cast<float>(v1);
    }
    return x;
}

void AppliquerDelai(Signal& g, Signal& d, const Signal& envoi, double secondes,
                    double reinjection, bool circulaire)
{
    size_t n = envoi.size();
    size_t lg = std::max<size_t>(1, static_cast<size_t>(secondes * FREQ));
    if (n == 0 || g.size() < n || d.size() < n)
        return;
    std::vector<float> bg(lg, 0.f), bd(lg, 0.f);
    size_t tours = circulaire ? 2 : 1; // le second tour donne l'état stable de la boucle
    size_t idx = 0;
    for (size_t t = 0; t < tours; ++t) {
        bool ecrire = (t + 1 == tours);
        for (size_t i = 0; i < n; ++i) {
            float yg = bg[idx], yd = bd[idx];
            bg[idx] = envoi[i] + yd * static_cast<float>(reinjection);
            bd[idx] = yg * static_cast<float>(reinjection);
            if (++idx == lg)
                idx = 0;
            if (ecrire) {
                g[i] += yg;
                d[i] += yd;
            }
        }
    }
}

namespace {
struct Peigne
{
    std::vector<float> b;
    size_t i = 0;
    float filtre = 0.f;
    float Traiter(float x, float fb, float amorti)
    {
        float y = b[i];
        filtre = y * (1.f - amorti) + filtre * amorti;
        b[i] = x + filtre * fb;
        if (++i == b.size())
            i = 0;
        return y;
    }
};
struct PasseTout
{
    std::vector<float> b;
    size_t i = 0;
    float Traiter(float x)
    {
        float bo = b[i];
        float y = -x + bo;
        b[i] = x + bo * 0.5f;
        if (++i == b.size())
            i = 0;
        return y;
    }
};
} // namespace

void AppliquerReverb(Signal& g, Signal& d, const Signal& envoi, double taille,
                     double amorti, bool circulaire)
{
    static const int peignes[8] = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
    static const int passes[4] = {556, 441, 341, 225};
    size_t n = envoi.size();
    if (n == 0 || g.size() < n || d.size() < n)
        return;
    std::vector<Peigne> pg(8), pd(8);
    std::vector<PasseTout> ag(4), ad(4);
    for (int k = 0; k < 8; ++k) {
        pg[k].b.assign(static_cast<size_t>(peignes[k] * taille) + 1, 0.f);
        pd[k].b.assign(static_cast<size_t>((peignes[k] + 23) * taille) + 1, 0.f);
    }
    for (int k = 0; k < 4; ++k) {
        ag[k].b.assign(passes[k], 0.f);
        ad[k].b.assign(passes[k] + 23, 0.f);
    }
    const float fb = 0.78f + 0.06f * static_cast<float>(std::min(taille, 1.5));
    const float am = static_cast<float>(amorti);
    size_t tours = circulaire ? 2 : 1;
    for (size_t t = 0; t < tours; ++t) {
        bool ecrire = (t + 1 == tours);
        for (size_t i = 0; i < n; ++i) {
            float x = envoi[i] * 0.12f;
            float sg = 0.f, sd = 0.f;
            for (int k = 0; k < 8; ++k) {
                sg += pg[k].Traiter(x, fb, am);
                sd += pd[k].Traiter(x, fb, am);
            }
            for (int k = 0; k < 4; ++k) {
                sg = ag[k].Traiter(sg);
                sd = ad[k].Traiter(sd);
            }
            if (ecrire) {
                g[i] += sg;
                d[i] += sd;
            }
        }
    }
}

double Crete(const Signal& s)
{
    double c = 0.0;
    for (float v : s)
        c = std::max(c, static_cast<double>(std::fabs(v)));
    return c;
}

double Efficace(const Signal& s)
{
    if (s.empty())
        return 0.0;
    double somme = 0.0;
    for (float v : s)
        somme += static_cast<double>(v) * v;
    return std::sqrt(somme / s.size());
}

void RetirerContinu(Signal& s, double coupure)
{
    double r = 1.0 - 2.0 * PI * coupure / FREQ;
    double x1 = 0.0, y1 = 0.0;
    for (float& v : s) {
        double y = v - x1 + r * y1;
        x1 = v;
        y1 = y;
        v = static_cast<float>(y);
    }
}

void Limiter(Signal& g, Signal& d, double seuil, bool circulaire)
{
    const long n = static_cast<long>(g.size());
    if (n == 0 || static_cast<long>(d.size()) != n)
        return;
    const long h = FREQ / 200; // 5 ms de chaque côté
    const long w = 2 * h;
    auto requis = [&](long i) -> double {
        if (i < 0 || i >= n) {
            if (!circulaire)
                return 1.0;
            i = ((i % n) + n) % n;
        }
        double c = std::max(std::fabs(g[i]), std::fabs(d[i]));
        return c > seuil ? seuil / c : 1.0;
    };
    // minimum glissant sur [i-w, i+w], calculé sur [-h, n+h)
    const long deb = -h, fin = n + h;
    std::vector<double> mini(static_cast<size_t>(fin - deb));
    std::deque<std::pair<long, double>> file;
    long prochain = deb - w;
    for (long i = deb; i < fin; ++i) {
        while (prochain <= i + w) {
            double v = requis(prochain);
            while (!file.empty() && file.back().second >= v)
                file.pop_back();
            file.emplace_back(prochain, v);
            ++prochain;
        }
        while (file.front().first < i - w)
            file.pop_front();
        mini[static_cast<size_t>(i - deb)] = file.front().second;
    }
    // moyenne glissante sur [i-h, i+h] : reste sous le gain requis en i
    std::vector<double> cumul(mini.size() + 1, 0.0);
    for (size_t i = 0; i < mini.size(); ++i)
        cumul[i + 1] = cumul[i] + mini[i];
    for (long i = 0; i < n; ++i) {
        size_t a = static_cast<size_t>(i - h - deb), b = static_cast<size_t>(i + h - deb + 1);
        double gain = (cumul[b] - cumul[a]) / static_cast<double>(b - a);
        g[i] = static_cast<float>(g[i] * gain);
        d[i] = static_cast<float>(d[i] * gain);
    }
}

void Fondus(Signal& s, double entree, double sortie)
{
    size_t n = s.size();
    size_t ne = std::min(n, static_cast<size_t>(entree * FREQ));
    size_t ns = std::min(n, static_cast<size_t>(sortie * FREQ));
    for (size_t i = 0; i < ne; ++i) {
        double u = static_cast<double>(i) / ne;
        s[i] = static_cast<float>(s[i] * std::sin(u * PI / 2) * std::sin(u * PI / 2));
    }
    for (size_t i = 0; i < ns; ++i) {
        double u = static_cast<double>(i) / ns;
        s[n - 1 - i] = static_cast<float>(s[n - 1 - i] * std::sin(u * PI / 2) * std::sin(u * PI / 2));
    }
}

} // namespace synthe
