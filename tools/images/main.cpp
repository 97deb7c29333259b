#include "Generateur.h"

#include <iostream>

// genere_images <dossier data> [dossier des planches-contact] [filtre]
int main(int argc, char** argv)
{
    if (argc < 2)
    {
        std::cerr << "Usage : genere_images <dossier data> [dossier planches-contact] [filtre]" << std::endl;
        return 2;
    }
    int erreurs = Generateur::Generer(argv[1], argc > 2 ? argv[2] : "", argc > 3 ? argv[3] : "");
    if (erreurs)
        std::cerr << erreurs << " image(s) en erreur" << std::endl;
    return erreurs ? 1 : 0;
}
