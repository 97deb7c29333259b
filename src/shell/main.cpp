#include "shell/MyQMainWindow.h"
#include "shell/MyQtSFMLWindow.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdlib>
#include <ctime>

int main(int argc, char** argv)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    MyQtSFMLWindow::PreparerRenduLogiciel();
    QApplication app(argc, argv);

    // Traduction des boîtes de dialogue de Qt seulement
    const QString langue = QLocale::system().name().section('_', 0, 0);
    QTranslator traducteur;
    traducteur.load(QString("qt_") + langue, QLibraryInfo::location(QLibraryInfo::TranslationsPath));
    app.installTranslator(&traducteur);

    MyQMainWindow fenetre;
    fenetre.show();
    return app.exec();
}
