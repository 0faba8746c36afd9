#pragma once

#include "modal_watchdog.h"
#include "qt_test_main.h"
#include "ui/application_setup.h"
#include "ui/main_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

// A fresh window for every test, shown and active, with the watchdog answering its
// message boxes.
class FormFixture : public QObject {
    Q_OBJECT
protected:
    template <typename T = QWidget>
    T* control(const QString& name) const
    {
        T* found = form->findChild<T*>(name);
        if (!found)
            qFatal("no control named %s", qPrintable(name));
        return found;
    }
    QLineEdit* entry(const QString& name) const { return control<QLineEdit>(name); }
    QLabel* label(const QString& name) const { return control<QLabel>(name); }
    QPushButton* button(const QString& name) const { return control<QPushButton>(name); }

    // Types each character as the keyboard would: one key press and release.
    static void type(QWidget* target, const QString& text)
    {
        for (QChar c : text) {
            if (c.unicode() < 128) {
                QTest::keyClick(target, c.toLatin1());
            } else {
                // Latin-1 letters have keys of their own, such as Qt::Key_Eacute.
                const QChar upper = c.toUpper();
                const auto key = upper.unicode() < 256 ? Qt::Key(upper.unicode()) : Qt::Key_unknown;
                QTest::sendKeyEvent(QTest::Click, target, key, QString(c), Qt::NoModifier);
            }
        }
    }

    static ModalWatchdog::Seen errorBox(const QString& text)
    {
        return {QStringLiteral("Erreur !"), text, QMessageBox::Critical, {QStringLiteral("OK")}};
    }

    std::unique_ptr<MainForm> form;
    std::unique_ptr<ModalWatchdog> watchdog;

private slots:
    void init()
    {
        watchdog = std::make_unique<ModalWatchdog>();
        form = std::make_unique<MainForm>();
        form->show();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup()
    {
        form.reset();
        const auto unanswered = watchdog->take();
        watchdog.reset();
        if (!unanswered.isEmpty())
            QFAIL(qPrintable(QStringLiteral("a message box nobody checked: ") + describe(unanswered.first())));
    }
};
