// A Qt program with nothing of Tarvelle's: what Qt itself says when it cannot start.
#include <QGuiApplication>

int main(int argc, char* argv[])
{
    QGuiApplication application(argc, argv);
    return 0;
}
