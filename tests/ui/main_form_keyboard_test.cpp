#include "form_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>

class MainFormKeyboardTest : public FormFixture {
    Q_OBJECT

    QStringList focusCycle(int presses, Qt::Key key = Qt::Key_Tab)
    {
        QStringList visited;
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            visited << QApplication::focusWidget()->objectName();
        }
        return visited;
    }

private slots:
    void typedCharacters_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shown");
        QTest::newRow("digits and point") << "0123.456789" << "0123.";
        QTest::newRow("refused") << "3,5-1e é" << "351";
        // Characters whose low byte is a digit: ı is U+0131, ĸ is U+0138.
        QTest::newRow("beyond Latin-1") << "1ı2ĸ" << "12";
        QTest::newRow("backspace") << "12\b3" << "13";
    }
    void typedCharacters()
    {
        QFETCH(QString, typed);
        QFETCH(QString, shown);
        for (const char* name : {"Text1(0)", "Text2(1)", "Text3(1)"}) {
            QLineEdit* target = entry(QString::fromUtf8(name));
            target->setFocus();
            type(target, typed);
            QCOMPARE(target->text(), shown.left(target->maxLength()));
            target->clear();
        }
    }

    void editingKeysKeepTheirEffect()
    {
        QLineEdit* target = entry("Text2(1)");
        target->setFocus();
        type(target, "1234");
        QTest::keyClick(target, Qt::Key_Left);
        QTest::keyClick(target, Qt::Key_Left);
        QTest::keyClick(target, Qt::Key_Delete);
        QCOMPARE(target->text(), QStringLiteral("124"));
        QTest::keyClick(target, Qt::Key_Home);
        // X11 gives the Delete key the text "\x7f", a control character that deletes.
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_Delete, QString(QChar(0x7f)), Qt::NoModifier);
        QTest::keyClick(target, Qt::Key_End);
        QTest::keyClick(target, Qt::Key_Backspace);
        type(target, "9");
        QCOMPARE(target->text(), QStringLiteral("29"));
    }

    // Text from an input method or on-screen keyboard goes through the same filter.
    void inputMethodCommits()
    {
        QLineEdit* target = entry("Text2(0)");
        target->setFocus();
        QInputMethodEvent commit;
        commit.setCommitString(QStringLiteral("1a,2ı"));
        QApplication::sendEvent(target, &commit);
        QCOMPARE(target->text(), QStringLiteral("12"));
    }

    void maximumLengths()
    {
        QLineEdit* small = entry("Text1(0)");
        QLineEdit* large = entry("Text1(1)");
        small->setFocus();
        type(small, "123456");
        QCOMPARE(small->text(), QStringLiteral("1234"));
        large->setFocus();
        type(large, "1234567");
        QCOMPARE(large->text(), QStringLiteral("12345"));
    }

    void clipboardShortcuts()
    {
        QLineEdit* source = entry("Text3(1)");
        QLineEdit* target = entry("Text3(0)");
        source->setFocus();
        type(source, "4.25");
        QTest::keyClick(source, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(source, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("4.25"));
        QTest::keyClick(source, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(source->text(), QString());
        QTest::keyClick(source, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(source->text(), QStringLiteral("4.25"));

        // A paste brings any text, cut only to the entry's length.
        QApplication::clipboard()->setText(QStringLiteral("-5e-12"));
        target->setFocus();
        QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(target->text(), QStringLiteral("-5e-"));
        source->setFocus();
        source->selectAll();
        QTest::keyClick(source, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(source->text(), QStringLiteral("-5e-1"));
    }

    void contextMenuIsFrench()
    {
        std::unique_ptr<QMenu> menu(entry("Text1(0)")->createStandardContextMenu());
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        for (const char* expected : {"Annuler", "Rétablir", "Couper", "Copier", "Coller", "Supprimer", "Tout sélectionner"})
            QVERIFY2(texts.contains(QString::fromUtf8(expected)), qPrintable(texts.join(" / ")));
    }

    void focusCycleAtStart()
    {
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command1"));
        const QStringList forward{"Command2", "Command3", "Command4", "Command5", "Command6", "Text1(0)",
                                  "Text1(1)", "Text2(0)", "Text2(1)", "Text3(0)", "Text3(1)", "Command1"};
        QCOMPARE(focusCycle(12), forward);
        QStringList backward{"Text3(1)", "Text3(0)", "Text2(1)", "Text2(0)", "Text1(1)", "Text1(0)",
                             "Command6", "Command5", "Command4", "Command3", "Command2", "Command1"};
        QCOMPARE(focusCycle(12, Qt::Key_Backtab), backward);
    }

    void lockedEntriesLeaveTheCycle()
    {
        entry("Text2(0)")->setFocus();
        type(entry("Text2(0)"), "1");
        type(entry("Text2(1)"), "3.5");
        QTest::mouseClick(button("Command4"), Qt::LeftButton);
        QVERIFY(!entry("Text2(0)")->isEnabled());
        button("Command1")->setFocus();
        QCOMPARE(focusCycle(10), (QStringList{"Command2", "Command3", "Command4", "Command5", "Command6",
                                              "Text1(0)", "Text1(1)", "Text3(0)", "Text3(1)", "Command1"}));
        // New brings them back.
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text2(0)"));
        QCOMPARE(focusCycle(2), (QStringList{"Text2(1)", "Text3(0)"}));
    }

    void keysOnButtons()
    {
        entry("Text1(0)")->setText(QStringLiteral("5"));
        QPushButton* newButton = button("Command1");
        newButton->setFocus();
        // No default or cancel button: Enter and Esc do nothing.
        QTest::keyClick(newButton, Qt::Key_Return);
        QTest::keyClick(newButton, Qt::Key_Enter);
        QTest::keyClick(newButton, Qt::Key_Escape);
        QCOMPARE(entry("Text1(0)")->text(), QStringLiteral("5"));
        QVERIFY(form->isVisible());
        // The space bar clicks.
        QTest::keyClick(newButton, Qt::Key_Space);
        QCOMPARE(entry("Text1(0)")->text(), QString());
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Text1(0)"));
    }

    void enterInAnEntryDoesNothing()
    {
        QLineEdit* target = entry("Text3(0)");
        target->setFocus();
        type(target, "7");
        QTest::keyClick(target, Qt::Key_Return);
        QTest::keyClick(target, Qt::Key_Escape);
        QCOMPARE(target->text(), QStringLiteral("7"));
        QVERIFY(label("Label26")->text().isEmpty());
        QVERIFY(form->isVisible());
    }
};

TARVELLE_QT_TEST_MAIN(MainFormKeyboardTest)
#include "main_form_keyboard_test.moc"
