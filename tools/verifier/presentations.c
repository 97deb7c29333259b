/* presentations : compte les images qu'une fenêtre X présente (événements DAMAGE du serveur).
 *   presentations FENETRE
 * écrit chaque seconde une ligne « t n » : t secondes depuis le départ, n images présentées
 * pendant cette seconde. S'arrête quand la fenêtre disparaît. */
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

static int fenetrePerdue = 0;
static int erreur(Display* d, XErrorEvent* e)
{
    (void)d;
    if (e->error_code == BadWindow || e->error_code == BadDrawable)
        fenetrePerdue = 1;
    return 0;
}

static double maintenant(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec + ts.tv_nsec / 1e9;
}

int main(int argc, char** argv)
{
    if (argc < 2)
    {
        fprintf(stderr, "usage : presentations FENETRE\n");
        return 2;
    }
    Display* dpy = XOpenDisplay(NULL);
    if (!dpy)
    {
        fprintf(stderr, "pas d'affichage\n");
        return 1;
    }
    XSetErrorHandler(erreur);
    int base, err;
    if (!XDamageQueryExtension(dpy, &base, &err))
    {
        fprintf(stderr, "pas d'extension DAMAGE\n");
        return 1;
    }
    Window w = (Window)strtoul(argv[1], NULL, 0);
    XSelectInput(dpy, w, StructureNotifyMask);
    XDamageCreate(dpy, w, XDamageReportRawRectangles);
    XSync(dpy, False);
    setvbuf(stdout, NULL, _IOLBF, 0);
    const double debut = maintenant();
    double prochaine = debut + 1.0;
    long images = 0;
    double derniere = -1.0;
    while (!fenetrePerdue)
    {
        double reste = prochaine - maintenant();
        if (reste > 0 && !XPending(dpy))
        {
            struct pollfd p = {ConnectionNumber(dpy), POLLIN, 0};
            poll(&p, 1, (int)(reste * 1000) + 1);
        }
        while (XPending(dpy))
        {
            XEvent ev;
            XNextEvent(dpy, &ev);
            if (ev.type == DestroyNotify)
                fenetrePerdue = 1;
            else if (ev.type == base + XDamageNotify)
            {
                /* une présentation arrive en plusieurs rectangles : un lot compte pour une image */
                const double t = maintenant();
                if (t - derniere > 0.002)
                    ++images;
                derniere = t;
            }
        }
        if (maintenant() >= prochaine)
        {
            printf("%.0f %ld\n", prochaine - debut, images);
            images = 0;
            prochaine += 1.0;
        }
    }
    return 0;
}
