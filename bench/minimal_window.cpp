// The floor that Qt Widgets sets: one fixed window of Tarvelle's size that gives
// itself a name for screen readers. Any window that shows a caption or a named
// control asks Qt's accessibility bridge about it before the window is mapped, and
// the bridge's start (a few calls on the session bus) is then part of the floor.
//   --unnamed  without the name: the bridge then starts only after the mapping
//   --label    with one caption of text, set in the system's fonts
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal"));
    window.setFixedSize(478, 444);
    if (!arguments.contains(QStringLiteral("--unnamed")))
        window.setAccessibleName(QStringLiteral("Fenêtre minimale"));
    if (arguments.contains(QStringLiteral("--label")))
        (new QLabel(QStringLiteral("Diamètre des conducteurs"), &window))->move(32, 40);
    window.show();
    return QApplication::exec();
}
