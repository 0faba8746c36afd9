#include "form_fixture.h"

#include <QApplication>
#include <QClipboard>

namespace {

const QString emptyMessage = QStringLiteral("Vous devez entrer des valeurs pour effectuer le calcul !");
const QString zeroMessage = QStringLiteral("Les valeurs ne doivent pas être égales à zéro !");
const QString impossibleMessage = QStringLiteral("Le calcul est impossible avec ces valeurs !");

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

    PanelState state(int panel) const
    {
        const PanelNames& p = panels[panel];
        return {entry(p.small)->text(), entry(p.large)->text(), label(p.result)->text(),
                entry(p.small)->isEnabled(), entry(p.large)->isEnabled()};
    }

    void typeValues(int panel, const QString& small, const QString& large)
    {
        QTest::mouseClick(entry(panels[panel].small), Qt::LeftButton);
        type(entry(panels[panel].small), small);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), entry(panels[panel].large));
        type(entry(panels[panel].large), large);
    }

    // Where the keyboard focus is once the window is active again after a message
    // box (offscreen, no window manager gives the activation back by itself).
    QWidget* keyboardFocusAfterTheBox()
    {
        form->activateWindow();
        if (!QTest::qWaitForWindowActive(form.get()))
            return nullptr;
        return QApplication::focusWidget();
    }

    void click(int panel, bool calculate)
    {
        QTest::mouseClick(button(calculate ? panels[panel].calculateButton : panels[panel].newButton), Qt::LeftButton);
    }

private slots:
    void calculation_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("small");
        QTest::addColumn<QString>("large");
        QTest::addColumn<QString>("shown");  // each panel wired to its own formula
        QTest::newRow("two-wire") << 0 << "2" << "50" << "468.9";
        QTest::newRow("square coax") << 1 << "1" << "3.5" << "79.1";
        QTest::newRow("round coax") << 2 << "1" << "2.2" << "47.3";
    }
    void calculation()
    {
        QFETCH(int, panel);
        QFETCH(QString, small);
        QFETCH(QString, large);
        QFETCH(QString, shown);
        typeValues(panel, small, large);
        click(panel, true);
        QCOMPARE(state(panel), (PanelState{small, large, shown, false, false}));
        QCOMPARE(QApplication::focusWidget(), button(panels[panel].calculateButton));

        click(panel, false);
        QCOMPARE(state(panel), (PanelState{"", "", "", true, true}));
        QCOMPARE(QApplication::focusWidget(), entry(panels[panel].small));
        QVERIFY(watchdog->take().isEmpty());
    }

    void rejected_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("small");
        QTest::addColumn<QString>("large");
        QTest::addColumn<QString>("message");
        QTest::newRow("D empty") << 1 << "5" << "" << emptyMessage;
        QTest::newRow("lone point") << 2 << "." << "5" << zeroMessage;
    }
    void rejected()
    {
        QFETCH(int, panel);
        QFETCH(QString, small);
        QFETCH(QString, large);
        QFETCH(QString, message);
        typeValues(panel, small, large);
        button(panels[panel].calculateButton)->setFocus();

        click(panel, true);

        QCOMPARE(watchdog->take(), QList{errorBox(message)});
        QCOMPARE(state(panel), (PanelState{"", "", "", true, true}));
        QCOMPARE(keyboardFocusAfterTheBox(), entry(panels[panel].small));
    }

    void impossibleCalculation_data()
    {
        QTest::addColumn<int>("panel");
        QTest::addColumn<QString>("small");
        QTest::addColumn<QString>("large");
        QTest::newRow("negative D") << 0 << "2" << "-5";
    }
    void impossibleCalculation()
    {
        QFETCH(int, panel);
        QFETCH(QString, small);
        QFETCH(QString, large);
        // Such texts arrive only by pasting.
        for (const auto& [name, text] : {std::pair{panels[panel].small, small}, std::pair{panels[panel].large, large}}) {
            QApplication::clipboard()->setText(text);
            entry(name)->setFocus();
            QTest::keyClick(entry(name), Qt::Key_V, Qt::ControlModifier);
        }

        click(panel, true);

        QCOMPARE(watchdog->take(), QList{errorBox(impossibleMessage)});
        QCOMPARE(state(panel), (PanelState{small, large, "", true, true}));
        // The focus stays where the click put it.
        QCOMPARE(keyboardFocusAfterTheBox(), button(panels[panel].calculateButton));
        // The program goes on: the panel still calculates.
        click(panel, false);
        typeValues(panel, "2", "50");
        click(panel, true);
        QVERIFY(!label(panels[panel].result)->text().isEmpty());
    }
};

TARVELLE_QT_TEST_MAIN(MainFormCommandsTest)
#include "main_form_commands_test.moc"
