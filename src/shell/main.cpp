#include <QApplication>

#include <cstdlib>
#include <ctime>

int main(int argc, char** argv)
{
    std::srand(static_cast<unsigned>(std::time(nullptr)));
    QApplication app(argc, argv);
    return 0;
}
