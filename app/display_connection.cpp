#include "app/display_connection.h"

#include "calc/messages.h"

#include <QRegularExpression>

#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace tarvelle::app {
namespace {

// The error output, sent to a scratch file until the display has answered.
class HeldErrorOutput {
public:
    HeldErrorOutput()
    {
#ifdef Q_OS_UNIX
        std::fflush(stderr);
        held_ = std::tmpfile();
        if (held_ && (saved_ = dup(STDERR_FILENO)) >= 0)
            dup2(fileno(held_), STDERR_FILENO);
#endif
    }
    ~HeldErrorOutput() { release(true); }

    // Gives the error output back, and with `replay` writes out what was held.
    void release(bool replay)
    {
#ifdef Q_OS_UNIX
        if (saved_ < 0) {
            if (held_)
                std::fclose(held_);
            held_ = nullptr;
            return;
        }
        std::fflush(stderr);
        dup2(saved_, STDERR_FILENO);
        close(saved_);
        saved_ = -1;
        if (replay) {
            std::rewind(held_);
            char buffer[4096];
            for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, held_)) > 0;)
                std::fwrite(buffer, 1, n, stderr);
        }
#endif
        if (held_)
            std::fclose(held_);
        held_ = nullptr;
    }

private:
    std::FILE* held_ = nullptr;
    int saved_ = -1;
};

HeldErrorOutput* heldOutput = nullptr;
QtMessageHandler toolkitHandler = nullptr;

void reportMissingDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        toolkitHandler(type, context, message);
        return;
    }
    // The only fatal error while connecting: no platform plugin could start. Qt's
    // message ends with the plugins that exist, "Available platform plugins are: a, b.".
    static const QRegularExpression listed(QStringLiteral("platform plugins are: ([^\\n]*[^.\\n])"));
    const QRegularExpressionMatch match = listed.match(message);
    QStringList available = match.hasMatch() ? match.captured(1).split(QStringLiteral(", ")) : QStringList();
    available.sort();
    heldOutput->release(false);
    std::fprintf(stderr, "%s\n", noDisplayMessage(available).toLocal8Bit().constData());
    std::_Exit(1);
}

QString quoted(const QString& text) { return QString::fromStdString(messages::quoted(text.toStdString())); }
QString quoted(const char* variable) { return quoted(qEnvironmentVariable(variable)); }

}  // namespace

QString noDisplayMessage(const QStringList& availablePlatforms)
{
    // QT_QPA_PLATFORM is a list of names separated by ";", each with ":options".
    QStringList unknown;
    for (const QString& platform : qEnvironmentVariable("QT_QPA_PLATFORM").split(u';', Qt::SkipEmptyParts)) {
        const QString name = platform.section(u':', 0, 0);
        if (!availablePlatforms.isEmpty() && !availablePlatforms.contains(name))
            unknown << quoted(name);
    }
    if (!unknown.isEmpty()) {
        return QStringLiteral("tarvelle : %1 %2 (QT_QPA_PLATFORM) ; les plates-formes disponibles sont : %3.")
            .arg(unknown.size() == 1 ? QStringLiteral("la plate-forme Qt") : QStringLiteral("les plates-formes Qt"),
                 unknown.join(QStringLiteral(", ")) +
                     (unknown.size() == 1 ? QStringLiteral(" n'existe pas") : QStringLiteral(" n'existent pas")),
                 availablePlatforms.join(QStringLiteral(", ")));
    }
    QStringList tried;
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        tried << QStringLiteral("la plate-forme Qt %1").arg(quoted("QT_QPA_PLATFORM"));
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        tried << QStringLiteral("Wayland %1").arg(quoted("WAYLAND_DISPLAY"));
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        tried << QStringLiteral("X11 %1").arg(quoted("DISPLAY"));
    const QString what = tried.isEmpty()
                             ? QStringLiteral("aucun affichage graphique n'a été trouvé (ni X11, ni Wayland)")
                             : QStringLiteral("aucun affichage graphique n'a répondu (essayé : %1)").arg(tried.join(", "));
    return QStringLiteral("tarvelle : %1 ; lancez Tarvelle depuis une session de bureau.").arg(what);
}

std::unique_ptr<QApplication> connectToDisplay(int& argc, char** argv)
{
    HeldErrorOutput held;
    heldOutput = &held;
    toolkitHandler = qInstallMessageHandler(reportMissingDisplay);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(toolkitHandler);
    heldOutput = nullptr;
    return application;
}

}  // namespace tarvelle::app
