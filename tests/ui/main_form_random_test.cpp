#include "form_fixture.h"

#include "calc/line_formulas.h"
#include "calc/numeric_text.h"
#include "calc/result_text.h"

#include <QApplication>
#include <QClipboard>

#include <array>
#include <random>

// Thousands of random steps on the real window (typing any character, Backspace,
// Delete, cursor keys, pastes, clicks, Tab) checked after every step against a model
// of each panel kept by the test itself. The seed is printed; set TARVELLE_RANDOM_SEED
// (and TARVELLE_RANDOM_STEPS) to replay a run.
class MainFormRandomTest : public FormFixture {
    Q_OBJECT

    struct Entry {
        QString text;
        int cursor = 0;
        bool allSelected = false;  // Tab into a non-empty entry selects its whole text
        int maxLength = 0;
    };
    struct Panel {
        std::array<Entry, 2> entries;
        bool locked = false;
        QString result;
    };
    struct Model {
        std::array<Panel, 3> panels;
        QString focus = QStringLiteral("Command1");
        QList<ModalWatchdog::Seen> messages;
    };

    static QString entryName(int panel, int element) { return QStringLiteral("Text%1(%2)").arg(panel + 1).arg(element); }
    static QString buttonName(int panel, bool calculate) { return QStringLiteral("Command%1").arg(2 * panel + 1 + calculate); }

    static const QStringList& cycle()
    {
        static const QStringList names{"Command1", "Command2", "Command3", "Command4", "Command5", "Command6",
                                       "Text1(0)", "Text1(1)", "Text2(0)", "Text2(1)", "Text3(0)", "Text3(1)"};
        return names;
    }

    // The focused entry's panel and element, or -1.
    static std::pair<int, int> entryOf(const QString& name)
    {
        if (!name.startsWith(QLatin1String("Text")))
            return {-1, -1};
        return {name.mid(4, 1).toInt() - 1, name.mid(6, 1).toInt()};
    }

    Model model;
    std::mt19937 random;
    QString step;  // what the current step did, for failure messages

    int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }

    Entry* focusedEntry()
    {
        const auto [panel, element] = entryOf(model.focus);
        return panel < 0 ? nullptr : &model.panels[panel].entries[element];
    }

    // --- The model's rules -------------------------------------------------------

    void modelInsert(Entry& e, const QString& text)
    {
        if (e.allSelected) {
            e.text.clear();
            e.cursor = 0;
            e.allSelected = false;
        }
        const QString fitting = text.left(e.maxLength - e.text.size());
        e.text.insert(e.cursor, fitting);
        e.cursor += fitting.size();
    }

    void modelDelete(Entry& e, bool backwards)
    {
        if (e.allSelected) {
            e = Entry{{}, 0, false, e.maxLength};
        } else if (backwards && e.cursor > 0) {
            e.text.remove(--e.cursor, 1);
        } else if (!backwards && e.cursor < e.text.size()) {
            e.text.remove(e.cursor, 1);
        }
    }

    void modelFocus(const QString& name, bool byTab)
    {
        if (Entry* previous = focusedEntry())
            previous->allSelected = false;
        model.focus = name;
        if (Entry* next = focusedEntry(); next && byTab) {
            next->allSelected = !next->text.isEmpty();
            next->cursor = next->text.size();
        }
    }

    void modelNew(int p)
    {
        for (Entry& e : model.panels[p].entries)
            e = Entry{{}, 0, false, e.maxLength};
        model.panels[p].locked = false;
        model.panels[p].result.clear();
        modelFocus(entryName(p, 0), false);
    }

    void modelCalculate(int p)
    {
        Panel& panel = model.panels[p];
        const QString small = panel.entries[0].text, large = panel.entries[1].text;
        QString message;
        if (small.isEmpty() || large.isEmpty()) {
            message = "Vous devez entrer des valeurs pour effectuer le calcul !";
        } else {
            const double d = tarvelle::numericValue(small.toStdString());
            const double D = tarvelle::numericValue(large.toStdString());
            if (d == 0 || D == 0) {
                message = "Les valeurs ne doivent pas être égales à zéro !";
            } else {
                const tarvelle::LineFormula formulas[] = {tarvelle::twoWireFormula, tarvelle::squareCoaxFormula,
                                                          tarvelle::roundCoaxFormula};
                try {
                    panel.result = QString::fromStdString(tarvelle::resultText(tarvelle::lineImpedance(formulas[p], d, D), "."));
                    panel.locked = true;
                } catch (const tarvelle::CalculationError&) {
                    model.messages << errorBox("Le calcul est impossible avec ces valeurs !");
                }
                return;
            }
        }
        model.messages << errorBox(message);
        for (Entry& e : panel.entries)
            e = Entry{{}, 0, false, e.maxLength};
        modelFocus(entryName(p, 0), false);
    }

    // --- Steps on the window ------------------------------------------------------

    QWidget* focused() const { return form->focusWidget(); }

    void typeCharacter()
    {
        static const QString pool = QStringLiteral("0123456789012345678901234567890123456789....,,-+eEaZ é€\r\x1b");
        const QChar c = pool.at(pick(int(pool.size())));
        step = QStringLiteral("type U+%1 into %2").arg(c.unicode(), 4, 16, QLatin1Char('0')).arg(model.focus);
        type(focused(), QString(c));
        if (Entry* e = focusedEntry()) {
            if (c.isDigit() || c == QLatin1Char('.'))
                modelInsert(*e, QString(c));
        } else if (c == QLatin1Char(' ')) {
            const int button = model.focus.mid(7).toInt() - 1;
            button % 2 ? modelCalculate(button / 2) : modelNew(button / 2);
        }
    }

    // Editing keys in an entry (on a button, arrow keys move the focus like Tab does,
    // which the Tab steps cover).
    void pressEditingKey()
    {
        if (!focusedEntry()) {
            tab();
            return;
        }
        static const Qt::Key keys[] = {Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Left,
                                       Qt::Key_Right, Qt::Key_Home, Qt::Key_End};
        const Qt::Key key = keys[pick(std::size(keys))];
        step = QStringLiteral("key %1 in %2").arg(QKeySequence(key).toString(), model.focus);
        QTest::keyClick(focused(), key);
        Entry* e = focusedEntry();
        switch (key) {
        case Qt::Key_Backspace: modelDelete(*e, true); break;
        case Qt::Key_Delete: modelDelete(*e, false); break;
        case Qt::Key_Left: e->cursor = std::max(0, e->cursor - 1); break;
        case Qt::Key_Right: e->cursor = std::min(int(e->text.size()), e->cursor + 1); break;
        case Qt::Key_Home: e->cursor = 0; break;
        default: e->cursor = int(e->text.size()); break;
        }
        e->allSelected = false;
    }

    void paste()
    {
        static const QString pool = QStringLiteral("0123456789.-e,aé ");
        QString text;
        for (int n = 1 + pick(6); n > 0; --n)
            text += pool.at(pick(int(pool.size())));
        step = QStringLiteral("paste \"%1\" into %2").arg(text, model.focus);
        QApplication::clipboard()->setText(text);
        QTest::keyClick(focused(), Qt::Key_V, Qt::ControlModifier);
        if (Entry* e = focusedEntry())
            modelInsert(*e, text);
    }

    void clickButton()
    {
        const int panel = pick(3);
        const bool calculate = pick(3) > 0;
        step = QStringLiteral("click %1").arg(buttonName(panel, calculate));
        QTest::mouseClick(button(buttonName(panel, calculate)), Qt::LeftButton);
        modelFocus(buttonName(panel, calculate), false);
        calculate ? modelCalculate(panel) : modelNew(panel);
    }

    void tab()
    {
        const bool forward = pick(4) > 0;
        step = forward ? QStringLiteral("Tab from %1").arg(model.focus) : QStringLiteral("Shift+Tab from %1").arg(model.focus);
        QTest::keyClick(focused(), forward ? Qt::Key_Tab : Qt::Key_Backtab);
        int at = int(cycle().indexOf(model.focus));
        for (;;) {
            at = (at + (forward ? 1 : int(cycle().size()) - 1)) % int(cycle().size());
            const auto [panel, element] = entryOf(cycle()[at]);
            if (panel < 0 || !model.panels[panel].locked)
                break;
        }
        modelFocus(cycle()[at], true);
    }

    // --- Comparing -------------------------------------------------------------------

    QString differences()
    {
        QStringList found;
        const auto seen = watchdog->take();
        if (seen != model.messages)
            found << QStringLiteral("%1 message(s) shown, %2 expected").arg(seen.size()).arg(model.messages.size());
        model.messages.clear();
        if (!seen.isEmpty()) {  // no window manager gives the activation back after a box
            form->activateWindow();
            if (!QTest::qWaitForWindowActive(form.get()))
                found << QStringLiteral("the window did not become active again");
        }
        if (focused()->objectName() != model.focus)
            found << QStringLiteral("focus on %1, expected %2").arg(focused()->objectName(), model.focus);
        for (int p = 0; p < 3; ++p) {
            const Panel& panel = model.panels[p];
            if (label(QStringList{"Label11", "Label24", "Label26"}[p])->text() != panel.result)
                found << QStringLiteral("panel %1 shows «%2», expected «%3»")
                             .arg(p).arg(label(QStringList{"Label11", "Label24", "Label26"}[p])->text(), panel.result);
            for (int element = 0; element < 2; ++element) {
                const QLineEdit* actual = entry(entryName(p, element));
                const Entry& expected = panel.entries[element];
                if (actual->text() != expected.text || actual->isEnabled() == panel.locked)
                    found << QStringLiteral("%1 holds «%2» (%3), expected «%4» (%5)")
                                 .arg(entryName(p, element), actual->text(), actual->isEnabled() ? "enabled" : "disabled",
                                      expected.text, panel.locked ? "disabled" : "enabled");
                if (entryName(p, element) == model.focus && !expected.allSelected &&
                    (actual->cursorPosition() != expected.cursor || actual->hasSelectedText()))
                    found << QStringLiteral("%1: cursor at %2, expected %3").arg(model.focus).arg(actual->cursorPosition()).arg(expected.cursor);
                if (entryName(p, element) == model.focus && expected.allSelected && actual->selectedText() != actual->text())
                    found << QStringLiteral("%1: «%2» selected, expected all").arg(model.focus, actual->selectedText());
            }
        }
        return found.join(QStringLiteral("; "));
    }

private slots:
    void randomSteps()
    {
        const quint32 seed = qEnvironmentVariableIsSet("TARVELLE_RANDOM_SEED")
                                 ? quint32(qEnvironmentVariableIntValue("TARVELLE_RANDOM_SEED"))
                                 : 20261206u;
        const int steps = qEnvironmentVariableIsSet("TARVELLE_RANDOM_STEPS")
                              ? qEnvironmentVariableIntValue("TARVELLE_RANDOM_STEPS")
                              : 5000;
        qInfo("seed %u, %d steps", seed, steps);
        random.seed(seed);
        for (Panel& panel : model.panels) {
            panel.entries[0].maxLength = 4;
            panel.entries[1].maxLength = 5;
        }
        int messages = 0;
        for (int i = 1; i <= steps; ++i) {
            switch (pick(10)) {
            case 0: case 1: case 2: case 3: typeCharacter(); break;
            case 4: case 5: pressEditingKey(); break;
            case 6: paste(); break;
            case 7: clickButton(); break;
            default: tab(); break;
            }
            messages += int(model.messages.size());
            const QString wrong = differences();
            QVERIFY2(wrong.isEmpty(), qPrintable(QStringLiteral("seed %1, step %2 (%3): %4").arg(seed).arg(i).arg(step, wrong)));
        }
        qInfo("%d steps, %d message boxes answered", steps, messages);
    }
};

TARVELLE_QT_TEST_MAIN(MainFormRandomTest)
#include "main_form_random_test.moc"
