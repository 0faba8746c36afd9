#include "form_fixture.h"

#include <QApplication>
#include <QClipboard>

namespace {

struct PanelNames {
    QString small, large, result, newButton, calculateButton;
};

const PanelNames panels[] = {
    {"Text1(0)", "Text1(1)", "Label11", "Command1", "Command2"},
    {"Text2(0)", "Text2(1)", "Label24", "Command3", "Command4"},
    {"Text3(0)", "Text3(1)", "Label26", "Command5", "Command6"},
};

}  // namespace

class MainFormCommandsTest : public FormFixture {
    Q_OBJECT

    struct PanelState {
        QString small, large, result;
        bool smallEnabled, largeEnabled;
        bool operator==(const PanelState&) const = default;
    };

    PanelState state(const PanelNames& p) const
    {
        return {entry(p.small)->text(), entry(p.large)->text(), label(p.result)->text(), entry(p.small)->isEnabled(),
                entry(p.large)->isEnabled()};
    }

    // Where the keyboard focus is once the window is active again after a message
    // box (offscreen, no window manager gives the activation back by itself).
    QWidget* keyboardFocusAfterTheBox()
    {
        form->activateWindow();
        return QTest::qWaitForWindowActive(form.get()) ? QApplication::focusWidget() : nullptr;
    }

private slots:
    void calculation()
    {
        const char* rows[][3] = {{"2", "50", "468.9"}, {"1", "3.5", "79.1"}, {"1", "2.2", "47.3"}};
        for (int panel = 0; panel < 3; ++panel) {  // each panel wired to its own formula
            const PanelNames& p = panels[panel];
            const auto [small, large, shown] = rows[panel];
            QTest::mouseClick(entry(p.small), Qt::LeftButton);
            type(entry(p.small), small);
            QTest::keyClick(entry(p.small), Qt::Key_Tab);
            type(QApplication::focusWidget(), large);

            for (int click = 0; click < 2; ++click) {  // locked, a second click shows the same
                QTest::mouseClick(button(p.calculateButton), Qt::LeftButton);
                QCOMPARE(state(p), (PanelState{small, large, shown, false, false}));
                QCOMPARE(QApplication::focusWidget(), button(p.calculateButton));
            }
            for (const PanelNames& other : panels)  // the other panels untouched
                QVERIFY(&other == &p || state(other) == (PanelState{"", "", "", true, true}));

            QTest::mouseClick(button(p.newButton), Qt::LeftButton);
            QCOMPARE(state(p), (PanelState{"", "", "", true, true}));
            QCOMPARE(QApplication::focusWidget(), entry(p.small));
        }
        QVERIFY(boxesSeen().isEmpty());
    }

    void rejected()
    {
        const QString empty = "Vous devez entrer des valeurs pour effectuer le calcul !";
        const QString zero = "Les valeurs ne doivent pas être égales à zéro !";
        const struct { int panel; QString small, large, message; } rows[] = {
            {0, "", "", empty}, {1, "5", "", empty}, {2, "", "5", empty},  // one message, however many are empty
            {0, "0", "0", zero}, {1, "000", "5", zero}, {2, ".", "5", zero}, {2, "5", "0.00", zero},
        };
        for (const auto& [panel, small, large, message] : rows) {
            const PanelNames& p = panels[panel];
            // Pasted, as a typed text would be.
            for (const auto& [name, text] : {std::pair{p.small, small}, std::pair{p.large, large}}) {
                if (text.isEmpty())
                    continue;
                QApplication::clipboard()->setText(text);
                entry(name)->setFocus();
                QTest::keyClick(entry(name), Qt::Key_V, Qt::ControlModifier);
            }

            QTest::mouseClick(button(p.calculateButton), Qt::LeftButton);

            QCOMPARE(boxesSeen(), QList{errorBox(message)});
            QCOMPARE(state(p), (PanelState{"", "", "", true, true}));
            QCOMPARE(keyboardFocusAfterTheBox(), control(p.small));
        }
    }
};

TARVELLE_QT_TEST_MAIN(MainFormCommandsTest)
#include "main_form_commands_test.moc"
