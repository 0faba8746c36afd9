// Takes from Qt's French translation the few texts of Qt's own that Tarvelle shows
// (the entries' context menu, the message box's button, the names of shortcut keys,
// what a screen reader says of a button) and writes them as a C++ table, so that
// the program carries a few hundred bytes instead of the whole translation.
//   usage: qt_french QTBASE_FR.QM OUT.cpp
// A text that the translation no longer holds fails the build: Qt changed its texts.

#include <QCoreApplication>
#include <QFile>
#include <QTranslator>

#include <cstdio>

namespace {

struct Text {
    const char* context;
    const char* source;
};

constexpr Text texts[] = {
    {"QLineEdit", "&Undo"},
    {"QLineEdit", "&Redo"},
    {"QLineEdit", "Cu&t"},
    {"QLineEdit", "&Copy"},
    {"QLineEdit", "&Paste"},
    {"QLineEdit", "Delete"},
    {"QLineEdit", "Select All"},
    {"QShortcut", "Ctrl"},
    {"QShortcut", "Shift"},
    {"QShortcut", "Alt"},
    {"QShortcut", "Meta"},
    {"QShortcut", "Backspace"},
    {"QShortcut", "Del"},
    {"QShortcut", "Ins"},
    {"QPlatformTheme", "OK"},
    {"QAccessibleActionInterface", "Press"},
    {"QAccessibleActionInterface", "Triggers the action"},
    {"QAccessibleActionInterface", "SetFocus"},
};

QByteArray cString(const QString& text)
{
    QByteArray quoted = "\"";
    for (const char c : text.toUtf8()) {
        if (c == '"' || c == '\\')
            quoted += '\\';
        quoted += c;
    }
    return quoted + '"';
}

}  // namespace

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fputs("usage: qt_french QTBASE_FR.QM OUT.cpp\n", stderr);
        return 2;
    }
    QTranslator french;
    if (!french.load(args[1])) {
        std::fprintf(stderr, "qt_french: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    QByteArray out = "// Qt's own texts in French, taken from its translation by tools/qt_french.\n"
                     "#include \"ui/qt_french.h\"\n\n"
                     "namespace tarvelle::ui {\n\n"
                     "const QtFrenchText qtFrenchTexts[] = {\n";
    int missing = 0;
    for (const Text& text : texts) {
        const QString translated = french.translate(text.context, text.source);
        if (translated.isEmpty()) {
            std::fprintf(stderr, "qt_french: no French for %s \"%s\"\n", text.context, text.source);
            ++missing;
        }
        out += "    {" + cString(QString::fromLatin1(text.context)) + ", " + cString(QString::fromUtf8(text.source)) +
               ", " + cString(translated) + "},\n";
    }
    out += "};\n\nconst std::size_t qtFrenchTextCount = std::size(qtFrenchTexts);\n\n}  // namespace tarvelle::ui\n";
    if (missing > 0)
        return 1;
    QFile file(args[2]);
    if (!file.open(QIODevice::WriteOnly) || file.write(out) != out.size()) {
        std::fprintf(stderr, "qt_french: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
