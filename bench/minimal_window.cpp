// The floor that Qt Widgets sets: one empty fixed window of Tarvelle's size. With
// --label it also shows one caption, for a floor that includes drawing text.
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.setFixedSize(478, 444);
    if (QApplication::arguments().contains(QStringLiteral("--label")))
        (new QLabel(QStringLiteral("Diamètre des conducteurs"), &window))->move(32, 40);
    window.show();
    return QApplication::exec();
}
