#include "app/display_connection.h"

#include "app/held_error_output.h"

#include "calc/messages.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>

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
QtMessageHandler toolkitHandler = nullptr;

void reportMissingDisplay(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        toolkitHandler(type, context, message);
        return;
    }
    // The only fatal error while connecting: no platform plugin could start.
    heldOutput->release(false);
    std::fprintf(stderr, "%s\n", noDisplayMessage(availablePlatforms()).toLocal8Bit().constData());
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
