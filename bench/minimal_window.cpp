// The floor that Qt Widgets sets: one empty fixed window of Tarvelle's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.setFixedSize(478, 444);
    window.show();
    return QApplication::exec();
}
