#pragma once

#include "qt_test_main.h"
#include "ui/main_form.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

// What a message box showed.
struct SeenBox {
    QString title, text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    bool inWindowFont = true;  // its text in the window's font, whatever the desktop theme's
    QString iconName;          // what a screen reader calls its icon
    bool operator==(const SeenBox&) const = default;
};

// Lets QCOMPARE print it.
inline char* toString(const SeenBox& seen)
{
    const QString text = QStringLiteral("{%1 | %2 | icon %3 named %4 | %5 | window font %6}")
                             .arg(seen.title, seen.text).arg(int(seen.icon)).arg(seen.iconName).arg(seen.inWindowFont);
    return qstrdup(text.arg(seen.buttons.join(',')).toUtf8().constData());
}

// A fresh window for every test, shown and active. A watchdog answers every modal
// dialog that the window opens, so that no test hangs on one: each box is recorded
// and closed with its OK button, or closed outright if it has none. Tests compare
// what was seen with what they expected; a box that nobody expected fails the test.
class FormFixture : public QObject {
    Q_OBJECT
protected:
    FormFixture() { QObject::connect(&watchdog_, &QTimer::timeout, this, &FormFixture::answerModalDialog); }

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
    static QString focusName() { return QApplication::focusWidget()->objectName(); }

    // Types each character as the keyboard would: one key press and release. Latin-1
    // letters have keys of their own, such as Qt::Key_Eacute.
    static void type(QWidget* target, const QString& text)
    {
        for (QChar c : text) {
            const char16_t key = c.toUpper().unicode();
            if (c.unicode() < 128)
                QTest::keyClick(target, c.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, target, key < 256 ? Qt::Key(key) : Qt::Key_unknown, QString(c), {});
        }
    }

    // The boxes seen since the last call.
    QList<SeenBox> boxesSeen() { return std::exchange(seen_, {}); }
    static SeenBox errorBox(const QString& text)
    {
        return {QStringLiteral("Erreur !"), text, QMessageBox::Critical, {QStringLiteral("OK")}, true,
                QStringLiteral("Erreur !")};
    }

    std::unique_ptr<MainForm> form;

private:
    void answerModalDialog()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        auto* box = qobject_cast<QMessageBox*>(modal);
        SeenBox seen{modal->windowTitle(), box ? box->text() : QString(), box ? box->icon() : QMessageBox::NoIcon, {}, true, {}};
        for (QAbstractButton* button : box ? box->buttons() : QList<QAbstractButton*>())
            seen.buttons << button->text();
        for (QLabel* label : modal->findChildren<QLabel*>()) {
            if (!label->text().isEmpty())
                seen.inWindowFont = seen.inWindowFont && label->font() == form->font();
            if (!label->pixmap().isNull())
                seen.iconName = label->accessibleName();
        }
        seen_ << seen;
        if (QAbstractButton* ok = box ? box->button(QMessageBox::Ok) : nullptr)
            ok->click();
        else
            modal->close();
    }

    QTimer watchdog_;
    QList<SeenBox> seen_;

private slots:
    void init()
    {
        watchdog_.start(1);
        form = std::make_unique<MainForm>();
        form->show();
        form->activateWindow();  // an X server without a window manager gives no focus itself
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }
    void cleanup()
    {
        form.reset();
        watchdog_.stop();
        if (const QList<SeenBox> unanswered = boxesSeen(); !unanswered.isEmpty())
            QFAIL((QByteArray("a message box nobody checked: ") + toString(unanswered.first())).constData());
    }
};
