#include "form_fixture.h"

#include <QAccessible>

// What a screen reader finds and hears. Runs under a French locale.
namespace {

QAccessibleInterface* accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }

}  // namespace

class MainFormAccessibilityTest : public FormFixture {
    Q_OBJECT

    void calculate(const char* small, const char* large, const char* button)
    {
        entry(small)->setText(QStringLiteral("1"));
        entry(large)->setText(QStringLiteral("2.2"));
        QTest::mouseClick(FormFixture::button(button), Qt::LeftButton);
    }

private slots:
    void namesDescriptionsAndRoles()
    {
        QCOMPARE(accessible(form.get())->role(), QAccessible::Window);
        QCOMPARE(accessible(form.get())->text(QAccessible::Name), form->windowTitle());
        const struct {
            QString line, entries, picture, result, small, large;
        } panels[] = {
            {"la ligne bifilaire", "Text1", "Image1", "Label11", "Diamètre des conducteurs (d), en millimètres",
             "Distance d'axe entre axe (D), en millimètres"},
            {"la ligne coaxiale de type carré", "Text2", "Image2", "Label24",
             "Diamètre extérieur du conducteur interne (d), en millimètres",
             "Diamètre intérieur du conducteur externe (D), en millimètres"},
            {"la ligne coaxiale de type rond", "Text3", "Image3", "Label26",
             "Diamètre extérieur du conducteur interne (d), en millimètres",
             "Diamètre intérieur du conducteur externe (D), en millimètres"},
        };
        for (int i = 0; i < 3; ++i) {
            const auto& p = panels[i];
            const QString entryDescription = "Dimension de " + p.line + " : chiffres et point décimal seulement";
            QCOMPARE(accessible(entry(p.entries + "(0)"))->text(QAccessible::Name), p.small);
            QCOMPARE(accessible(entry(p.entries + "(1)"))->text(QAccessible::Name), p.large);
            QCOMPARE(accessible(entry(p.entries + "(1)"))->text(QAccessible::Description), entryDescription);
            QAccessibleInterface* newButton = accessible(button(QStringLiteral("Command%1").arg(2 * i + 1)));
            QCOMPARE(newButton->text(QAccessible::Name), QStringLiteral("Nouveau"));
            QCOMPARE(newButton->text(QAccessible::Description), "Efface les dimensions et l'impédance de " + p.line);
            QAccessibleInterface* calculateButton = accessible(button(QStringLiteral("Command%1").arg(2 * i + 2)));
            QCOMPARE(calculateButton->text(QAccessible::Name), QStringLiteral("Calculer"));
            QCOMPARE(calculateButton->text(QAccessible::Description), "Calcule l'impédance de " + p.line);
            QCOMPARE(accessible(label(p.result))->text(QAccessible::Name), "Impédance de " + p.line + " : pas de résultat");
            QAccessibleInterface* picture = accessible(control(p.picture));
            QCOMPARE(picture->role(), QAccessible::Graphic);
            QCOMPARE(picture->text(QAccessible::Name), "Coupe de " + p.line);
        }
        // Nothing in the tree is a bare, nameless container: the lines are decoration.
        QAccessibleInterface* window = accessible(form.get());
        for (int i = 0; i < window->childCount(); ++i)
            QVERIFY(window->child(i)->role() != QAccessible::Client);
    }

    // The result is spoken with its unit, as shown; the focus stays on the button.
    void resultIsAnnouncedWhereTheFocusIs()
    {
        calculate("Text3(0)", "Text3(1)", "Command6");
        QCOMPARE(QApplication::focusWidget(), button("Command6"));
        QCOMPARE(label("Label26")->text(), QStringLiteral("47,3"));
        // A notification that shows is spoken.
        QWidget* notification = nullptr;
        for (QWidget* child : form->findChildren<QWidget*>())
            if (accessible(child)->role() == QAccessible::Notification)
                notification = child;
        QVERIFY(notification && notification->isVisible());
        QCOMPARE(accessible(notification)->text(QAccessible::Name), QStringLiteral("47,3 ohms"));
        QCOMPARE(accessible(label("Label26"))->text(QAccessible::Name),
                 QStringLiteral("Impédance de la ligne coaxiale de type rond : 47,3 ohms"));
    }

    // Locked entries are read-only to a screen reader; New unlocks them and moves the
    // focus.
    void newAnnouncesTheEntry()
    {
        calculate("Text2(0)", "Text2(1)", "Command4");
        QAccessibleInterface* small = accessible(entry("Text2(0)"));
        QVERIFY(small->state().readOnly && small->state().disabled);
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QVERIFY(!small->state().readOnly && small->state().focused);
    }
};

TARVELLE_QT_TEST_MAIN(MainFormAccessibilityTest)
#include "main_form_accessibility_test.moc"
