#include "app/display_connection.h"

#include "app/held_error_output.h"

#include "calc/messages.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace tarvelle::app {
namespace {

// The platforms that Qt can start, sorted: the keys in the metadata of the plugins
// in its platforms folders, read without loading them.
QStringList availablePlatforms()
{
    QStringList names;
    for (const QString& folder : {qEnvironmentVariable("QT_QPA_PLATFORM_PLUGIN_PATH"),
                                  QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms")}) {
        if (folder.isEmpty())  // QT_QPA_PLATFORM_PLUGIN_PATH unset, not the current folder
            continue;
        for (const QFileInfo& file : QDir(folder).entryInfoList(QDir::Files)) {
            const QJsonObject metaData = QPluginLoader(file.absoluteFilePath()).metaData();
            for (const QJsonValue key : metaData.value(QStringLiteral("MetaData")).toObject().value(QStringLiteral("Keys")).toArray())
                names << key.toString();
        }
    }
    names.removeDuplicates();
    names.sort();
    return names;
}

HeldErrorOutput* heldOutput = nullptr;
PlatformRequest requested;
QtMessageHandler toolkitHandler = nullptr;

void reportMissingDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        toolkitHandler(type, context, message);
        return;
    }
    // The only fatal error while connecting: no platform plugin could start.
    heldOutput->release(false);
    std::fprintf(stderr, "%s\n", noDisplayMessage(requested, availablePlatforms()).toLocal8Bit().constData());
    std::_Exit(1);
}

QString quoted(const QString& text) { return QString::fromStdString(messages::quoted(text.toStdString())); }
QString quoted(const char* variable) { return quoted(qEnvironmentVariable(variable)); }

}  // namespace

PlatformRequest platformRequest(int argc, char** argv)
{
    PlatformRequest request;
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        request = {qEnvironmentVariable("QT_QPA_PLATFORM"), QStringLiteral("QT_QPA_PLATFORM")};
    for (int i = 1; i + 1 < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            request = {QString::fromLocal8Bit(argv[++i]), QStringLiteral("-platform")};
    }
    return request;
}

QString noDisplayMessage(const PlatformRequest& request, const QStringList& availablePlatforms)
{
    QStringList names, unknown;
    for (const QString& platform : request.platforms.split(u';', Qt::SkipEmptyParts))
        names << platform.section(u':', 0, 0);
    for (const QString& name : names) {
        if (!availablePlatforms.isEmpty() && !availablePlatforms.contains(name))
            unknown << quoted(name);
    }
    if (!unknown.isEmpty()) {
        return QStringLiteral("tarvelle : %1 %2 (%3) ; les plates-formes disponibles sont : %4.")
            .arg(unknown.size() == 1 ? QStringLiteral("la plate-forme Qt") : QStringLiteral("les plates-formes Qt"),
                 unknown.join(QStringLiteral(", ")) +
                     (unknown.size() == 1 ? QStringLiteral(" n'existe pas") : QStringLiteral(" n'existent pas")),
                 request.source, availablePlatforms.join(QStringLiteral(", ")));
    }
    // The displays of the platforms asked for; without a request, those of the
    // session, which Qt's default platform looks for.
    const bool asked = !names.isEmpty();
    QStringList tried;
    if (asked)
        tried << QStringLiteral("la plate-forme Qt %1").arg(quoted(request.platforms));
    const auto asks = [&](const QString& prefix) {
        return std::any_of(names.begin(), names.end(), [&](const QString& name) { return name.startsWith(prefix); });
    };
    if (asked ? asks(QStringLiteral("wayland")) : !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        // Qt's Wayland client connects to wayland-0 when WAYLAND_DISPLAY is unset.
        tried << QStringLiteral("Wayland %1").arg(qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")
                                                      ? quoted(QStringLiteral("wayland-0"))
                                                      : quoted("WAYLAND_DISPLAY"));
    }
    if (asked ? asks(QStringLiteral("xcb")) : !qEnvironmentVariableIsEmpty("DISPLAY"))
        tried << QStringLiteral("X11 %1").arg(quoted("DISPLAY"));
    const QString what = tried.isEmpty()
                             ? QStringLiteral("aucun affichage graphique n'a été trouvé (ni X11, ni Wayland)")
                             : QStringLiteral("aucun affichage graphique n'a répondu (essayé : %1)").arg(tried.join(", "));
    return QStringLiteral("tarvelle : %1 ; lancez Tarvelle depuis une session de bureau.").arg(what);
}

std::unique_ptr<QApplication> connectToDisplay(int& argc, char** argv)
{
    requested = platformRequest(argc, argv);
    HeldErrorOutput held;
    heldOutput = &held;
    toolkitHandler = qInstallMessageHandler(reportMissingDisplay);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(toolkitHandler);
    heldOutput = nullptr;
    return application;
}

}  // namespace tarvelle::app
