#include "form_fixture.h"
#include "ui/numeric_entry.h"
#include "x_bell_counter.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QInputMethodEvent>
#include <QMenu>
#include <QRegularExpression>
#include <QTimer>

#include <functional>

using tarvelle::ui::NumericEntry;

class MainFormKeyboardTest : public FormFixture {
    Q_OBJECT

    // Whether the comma's hint is shown; hidden again for what comes next.
    bool commaHintShown() const
    {
        auto* hint = form->findChild<QLabel*>(QStringLiteral("EntryHint"));
        const bool shown = hint && hint->isVisible();
        if (hint)
            hint->hide();
        return shown;
    }

    XBellCounter bells;

    // The entries' lengths that the manual page states: for d's entries, then D's.
    static std::pair<int, int> statedLengths()
    {
        QFile page(QStringLiteral(TARVELLE_MANUAL_PAGE));
        static const QRegularExpression stated(QStringLiteral("up to (\\d+) characters for\n\\.I d\nand up to (\\d+) characters for\n\\.IR D"));
        const QRegularExpressionMatch match = stated.match(page.open(QIODevice::ReadOnly) ? QString::fromUtf8(page.readAll()) : QString());
        return {match.captured(1).toInt(), match.captured(2).toInt()};
    }

    static QStringList focusCycle(int presses, Qt::Key key = Qt::Key_Tab)
    {
        QStringList visited;
        for (int i = 0; i < presses; ++i) {
            QTest::keyClick(QApplication::focusWidget(), key);
            visited << focusName();
        }
        return visited;
    }

private slots:
    void initTestCase() { QVERIFY2(bells.listening(), "the X server does not report its bell"); }

    void typedCharacters()
    {
        // What each entry shows (4 characters at most in d's entries, 5 in D's), how
        // many times the X server's bell rang, and whether the point's hint came.
        const struct { QString typed, shownInD, shownInLargeD; int bellsInD, bellsInLargeD; bool hint; } typing[] = {
            {"42.701", "42.7", "42.70", 2, 1, false},  // the length refuses as a refused character does
            {"0123.456789", "0123", "0123.", 7, 6, false},
            {"3,5-1e é", "351", "351", 5, 5, true},  // only a comma brings the hint
            {"/9:", "9", "9", 2, 2, false},
            {"12\b3", "13", "13", 0, 0, false},
            {"1ı2ĸ", "12", "12", 2, 2, false},  // characters whose low byte is a digit: ı is U+0131, ĸ is U+0138
            {"4\r\x1b\t", "4", "4", 0, 0, false},  // Enter, Escape and Tab insert nothing, silently
        };
        // The longest row holds as many characters as the manual page says.
        QCOMPARE(statedLengths(), std::pair(int(typing[1].shownInD.size()), int(typing[1].shownInLargeD.size())));
        for (const auto& [typed, shownInD, shownInLargeD, bellsInD, bellsInLargeD, hint] : typing) {
            for (const char* name : {"Text1(0)", "Text1(1)", "Text2(0)", "Text2(1)", "Text3(0)", "Text3(1)"}) {
                const bool small = QByteArray(name).endsWith("(0)");
                QLineEdit* target = entry(name);
                target->clear();
                target->setFocus();
                const int before = bells.count();
                type(target, typed);
                QCOMPARE(target->text(), small ? shownInD : shownInLargeD);
                QTRY_COMPARE(bells.count() - before, small ? bellsInD : bellsInLargeD);
                QCOMPARE(commaHintShown(), hint);
            }
        }
    }

    // A typed comma is dropped, as every character but digits and the point is, and
    // the user is told to type a point, above the entry, for a few seconds.
    void commaBringsAHint()
    {
        QLineEdit* target = entry("Text2(1)");
        target->setFocus();
        type(target, "2,5");
        QCOMPARE(target->text(), QStringLiteral("25"));
        auto* hint = form->findChild<QLabel*>(QStringLiteral("EntryHint"));
        QVERIFY(hint && hint->isVisible());  // typing on leaves it shown
        QCOMPARE(hint->text(), QStringLiteral("Tapez un point (.) comme séparateur décimal"));
        QCOMPARE(hint->pos(), target->mapToGlobal(QPoint(0, -hint->height() - 1)));
        auto* timer = hint->findChild<QTimer*>();  // a few seconds, then it goes
        QVERIFY(timer && timer->isActive() && timer->interval() >= 2000 && timer->interval() <= 8000);
        QMetaObject::invokeMethod(timer, "timeout");
        QVERIFY(!hint->isVisible());
    }

    void editingKeysKeepTheirEffect()
    {
        QLineEdit* target = entry("Text2(1)");
        target->setFocus();
        type(target, "1234");
        for (Qt::Key key : {Qt::Key_Left, Qt::Key_Left, Qt::Key_Delete, Qt::Key_Home})
            QTest::keyClick(target, key);
        QCOMPARE(target->text(), QStringLiteral("124"));
        // X11 gives the Delete key the text "\x7f", a control character that deletes.
        QTest::sendKeyEvent(QTest::Click, target, Qt::Key_Delete, QString(QChar(0x7f)), Qt::NoModifier);
        QTest::keyClick(target, Qt::Key_End);
        type(target, "\b9");
        QCOMPARE(target->text(), QStringLiteral("29"));
    }

    // Text that arrives without key events is taken whole, without the blanks around
    // it, or refused whole; it never shows a number other than the one computed.
    void textWithoutKeyEvents_data()
    {
        QTest::addColumn<QString>("arriving");
        QTest::addColumn<QString>("shown");  // in Text2(0), which holds "1" and 4 characters
        QTest::addColumn<bool>("hint");      // the point's hint, for a French number
        QTest::newRow("number") << "2.5" << "12.5" << false;
        QTest::newRow("blanks around") << " \t2.5\r\n" << "12.5" << false;
        QTest::newRow("comma") << "2,5" << "1" << true;
        QTest::newRow("sign and exponent") << "-5e-1" << "1" << false;
        QTest::newRow("blank inside") << "2 5" << "1" << false;
        QTest::newRow("only blanks") << "  " << "1" << false;
        QTest::newRow("too long") << "2.50" << "1" << false;
        QTest::newRow("letter beyond Latin-1") << QStringLiteral("2ı") << "1" << false;
    }

    void textWithoutKeyEvents()
    {
        QFETCH(QString, arriving);
        QFETCH(QString, shown);
        QFETCH(bool, hint);
        auto* target = control<NumericEntry>(QStringLiteral("Text2(0)"));
        const std::function<void()> channels[] = {
            [&] { QApplication::clipboard()->setText(arriving);
                  QTest::keyClick(target, Qt::Key_V, Qt::ControlModifier); },
            [&] { QApplication::clipboard()->setText(arriving);
                  target->paste(); },  // the context menu's "Coller"
            [&] { QInputMethodEvent commit;
                  commit.setCommitString(arriving);
                  QApplication::sendEvent(target, &commit); },
            [&] { QAccessible::queryAccessibleInterface(target)->editableTextInterface()->insertText(1, arriving); },
        };
        for (const auto& bring : channels) {
            target->setText(QStringLiteral("1"));
            target->setFocus();
            target->end(false);
            const int before = bells.count();
            bring();
            QCOMPARE(target->text(), shown);
            QTRY_COMPARE(bells.count() - before, shown == "1" ? 1 : 0);  // a refusal rings once
            QCOMPARE(commaHintShown(), hint);
        }
    }

    void clipboardAndContextMenu()
    {
        QLineEdit* source = entry("Text3(1)");
        source->setFocus();
        type(source, "4.25");
        QTest::keyClick(source, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(source, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("4.25"));
        QCOMPARE(source->text(), QString());
        QTest::keyClick(source, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(source->text(), QStringLiteral("4.25"));
        QTest::keyClick(source, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // redo
        QCOMPARE(source->text(), QString());

        // A paste that fits the entry replaces its selection.
        QApplication::clipboard()->setText(QStringLiteral("12.75"));
        for (const auto& [name, shown] : {std::pair{"Text3(0)", "4.25"}, std::pair{"Text3(1)", "12.75"}}) {
            entry(name)->setText(QStringLiteral("4.25"));
            entry(name)->setFocus();
            entry(name)->selectAll();
            QTest::keyClick(entry(name), Qt::Key_V, Qt::ControlModifier);
            QCOMPARE(entry(name)->text(), QString(shown));
        }
        // The context menu speaks French.
        std::unique_ptr<QMenu> menu(entry("Text1(0)")->createStandardContextMenu());
        QStringList texts;
        for (QAction* action : menu->actions())
            texts << action->text().remove(QLatin1Char('&')).section(QLatin1Char('\t'), 0, 0);
        for (const char* expected : {"Annuler", "Rétablir", "Couper", "Copier", "Coller", "Supprimer", "Tout sélectionner"})
            QVERIFY2(texts.contains(QString::fromUtf8(expected)), qPrintable(texts.join(" / ")));
    }

    void focusCycle()
    {
        QCOMPARE(focusName(), QStringLiteral("Command1"));
        const QStringList forward{"Command2", "Command3", "Command4", "Command5", "Command6", "Text1(0)",
                                  "Text1(1)", "Text2(0)", "Text2(1)", "Text3(0)", "Text3(1)", "Command1"};
        QCOMPARE(focusCycle(12), forward);
        QStringList backward(forward.rbegin() + 1, forward.rend());
        QCOMPARE(focusCycle(12, Qt::Key_Backtab), backward << "Command1");

        // Locked entries leave the cycle; New brings them back.
        entry("Text2(0)")->setText(QStringLiteral("1"));
        entry("Text2(1)")->setText(QStringLiteral("3.5"));
        QTest::mouseClick(button("Command4"), Qt::LeftButton);
        button("Command1")->setFocus();
        QCOMPARE(focusCycle(10), (QStringList{"Command2", "Command3", "Command4", "Command5", "Command6",
                                              "Text1(0)", "Text1(1)", "Text3(0)", "Text3(1)", "Command1"}));
        QTest::mouseClick(button("Command3"), Qt::LeftButton);
        QCOMPARE(focusName(), QStringLiteral("Text2(0)"));
        QCOMPARE(focusCycle(2), (QStringList{"Text2(1)", "Text3(0)"}));

        // No default or cancel button: Enter and Esc on a button do nothing; Space clicks.
        entry("Text1(0)")->setText(QStringLiteral("5"));
        button("Command1")->setFocus();
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
            QTest::keyClick(button("Command1"), key);
        QVERIFY(form->isVisible() && entry("Text1(0)")->text() == QStringLiteral("5"));
        QTest::keyClick(button("Command1"), Qt::Key_Space);
        QVERIFY(entry("Text1(0)")->text().isEmpty() && focusName() == QStringLiteral("Text1(0)"));
    }
};

TARVELLE_QT_TEST_MAIN(MainFormKeyboardTest)
#include "main_form_keyboard_test.moc"
