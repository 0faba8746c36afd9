#include "form_fixture.h"

#include <QAccessible>
#include <QMap>

// What a screen reader finds and hears. Runs under a French locale.
class MainFormAccessibilityTest : public FormFixture {
    Q_OBJECT

    static QAccessibleInterface* accessible(QObject* object) { return QAccessible::queryAccessibleInterface(object); }
    static QString text(QObject* o, QAccessible::Text kind = QAccessible::Name) { return accessible(o)->text(kind); }

    // What a screen reader speaks of a notification: its name at the moment it shows.
    QStringList spoken;
    QStringList entryEvents;  // of an entry that New empties
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            spoken << text(watched);
        if (event->type() == QEvent::FocusIn)
            entryEvents << QStringLiteral("focus");
        return false;
    }

private slots:
    void namesDescriptionsAndRoles()
    {
        QCOMPARE(accessible(form.get())->role(), QAccessible::Window);
        QCOMPARE(text(form.get()), QStringLiteral("Tarvelle"));  // not the caption's addresses
        const QString coax[] = {"Diamètre extérieur du conducteur interne (d), en millimètres",
                                "Diamètre intérieur du conducteur externe (D), en millimètres"};
        const struct { QString line, small, large, result; } panels[] = {
            {"la ligne bifilaire", "Diamètre des conducteurs (d), en millimètres",
             "Distance d'axe entre axe (D), en millimètres", "Label11"},
            {"la ligne coaxiale de type carré", coax[0], coax[1], "Label24"},
            {"la ligne coaxiale de type rond", coax[0], coax[1], "Label26"},
        };
        for (int i = 0; i < 3; ++i) {
            const auto& [line, small, large, result] = panels[i];
            const QString entries = QStringLiteral("Text%1(%2)").arg(i + 1);
            QCOMPARE(text(entry(entries.arg(0))), small);
            QCOMPARE(text(entry(entries.arg(1))), large);
            QCOMPARE(text(entry(entries.arg(1)), QAccessible::Description),
                     "Dimension de " + line + " : chiffres et point décimal seulement");
            QPushButton* newButton = button(QStringLiteral("Command%1").arg(2 * i + 1));
            QPushButton* calculateButton = button(QStringLiteral("Command%1").arg(2 * i + 2));
            QCOMPARE(text(newButton), QStringLiteral("Nouveau"));
            QCOMPARE(text(newButton, QAccessible::Description), "Efface les dimensions et l'impédance de " + line);
            QCOMPARE(text(calculateButton), QStringLiteral("Calculer"));
            QCOMPARE(newButton->toolTip() + calculateButton->toolTip(), QStringLiteral("Nouveau !Calculer !"));
            QCOMPARE(text(calculateButton, QAccessible::Description), "Calcule l'impédance de " + line);
            QCOMPARE(text(label(result)), "Impédance de " + line + " : pas de résultat");
            QWidget* picture = control(QStringLiteral("Image%1").arg(i + 1));
            QCOMPARE(accessible(picture)->role(), QAccessible::Graphic);
            QCOMPARE(text(picture), "Coupe de " + line);
        }
        // Nothing in the tree is a bare, nameless container: the lines are decoration.
        QAccessibleInterface* window = accessible(form.get());
        for (int i = 0; i < window->childCount(); ++i)
            QVERIFY(window->child(i)->role() != QAccessible::Client);
    }

    // An empty entry reached from the keyboard reports its focus to the screen
    // reader's bridge before any caret: Orca, moved by a caret first, would name
    // nothing. A filled one selects its text, which Orca reads before the name. Run on
    // its own with Qt's AT-SPI bridge on, since the events that it holds back from
    // the bridge leave the bridge's view stale.
    void entryReportsItsFocusFirst()
    {
        if (!QAccessible::isActive())
            QSKIP("needs Qt's AT-SPI bridge switched on");
        static QStringList events;
        QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
            const QMap<QAccessible::Event, QString> kinds{
                {QAccessible::Focus, "focus"}, {QAccessible::TextCaretMoved, "caret"}, {QAccessible::TextSelectionChanged, "selection"}};
            if (kinds.contains(event->type()) && event->object() == QApplication::focusWidget())
                events << kinds[event->type()];
        });
        const QStringList order{"Command6", "Text1(0)", "Text1(1)", "Text2(0)", "Text2(1)", "Text3(0)", "Text3(1)", "Command1"};
        for (const QString& filled : {QString(), QStringLiteral("12")}) {
            for (qsizetype i = 1; i <= 12; ++i) {  // by Tab, then by Shift+Tab
                const bool forward = i <= 6;
                const QString& name = order[forward ? i : 13 - i];
                entry(name)->setText(filled);
                control(order[forward ? i - 1 : 14 - i])->setFocus();
                events.clear();
                QTest::keyClick(QApplication::focusWidget(), forward ? Qt::Key_Tab : Qt::Key_Backtab);
                QCOMPARE(focusName(), name);
                QCOMPARE(entry(name)->selectedText(), filled);
                QVERIFY2(filled.isEmpty() ? events == QStringList{"focus"} : events.contains("selection") && events.last() == "focus",
                         qPrintable(events.join(", ")));
            }
        }
        QAccessible::installUpdateHandler(nullptr);
    }

    // The result is spoken with its unit, as shown, with the focus left on the button.
    // Locked entries are read-only to a screen reader; New unlocks them and moves the focus.
    void resultIsAnnouncedAndNewFocusesTheEntry()
    {
        QWidget* notification = nullptr;
        for (QWidget* child : form->findChildren<QWidget*>())
            if (accessible(child)->role() == QAccessible::Notification)
                notification = child;
        QVERIFY(notification);
        notification->installEventFilter(this);
        entry("Text3(0)")->setText(QStringLiteral("1"));
        entry("Text3(1)")->setText(QStringLiteral("2.2"));
        QTest::mouseClick(button("Command6"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), button("Command6"));
        QCOMPARE(label("Label26")->text(), QStringLiteral("47,3"));
        QVERIFY(notification->isVisible());  // one that shows is spoken
        QCOMPARE(spoken, QStringList{"47,3 ohms"});
        QCOMPARE(text(label("Label26")), QStringLiteral("Impédance de la ligne coaxiale de type rond : 47,3 ohms"));

        QAccessibleInterface* small = accessible(entry("Text3(0)"));
        QVERIFY(small->state().readOnly && small->state().disabled);
        // New moves the focus before it empties the entry: a screen reader names the
        // entry rather than reading out the emptying.
        entry("Text3(0)")->installEventFilter(this);
        connect(entry("Text3(0)"), &QLineEdit::textChanged, this, [this] { entryEvents << QStringLiteral("emptied"); });
        QTest::mouseClick(button("Command5"), Qt::LeftButton);
        QVERIFY(!small->state().readOnly && small->state().focused);
        QCOMPARE(entryEvents, (QStringList{"focus", "emptied"}));
        // New says nothing; each later result is spoken in its turn.
        entry("Text1(0)")->setText(QStringLiteral("2"));
        entry("Text1(1)")->setText(QStringLiteral("50"));
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        QTest::mouseClick(button("Command2"), Qt::LeftButton);
        QCOMPARE(spoken, (QStringList{"47,3 ohms", "468,9 ohms", "468,9 ohms"}));
        // A typed comma's hint is spoken too.
        QTest::mouseClick(button("Command1"), Qt::LeftButton);
        type(entry("Text1(0)"), "2,");
        QCOMPARE(spoken.last(), QStringLiteral("Tapez un point (.) comme séparateur décimal"));
    }
};

TARVELLE_QT_TEST_MAIN(MainFormAccessibilityTest)
#include "main_form_accessibility_test.moc"
