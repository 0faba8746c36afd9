#pragma once

#include <QApplication>
#include <QList>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

// Answers every modal dialog that the window opens, so that no test hangs on one:
// each box is recorded (title, text, icon, buttons) and closed with its OK button, or
// rejected if it has none. Tests then compare what was seen with what they expected;
// a box that nobody expected shows up as a difference instead of a hang.
class ModalWatchdog : public QObject {
public:
    struct Seen {
        QString title;
        QString text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QStringList buttons;
        bool operator==(const Seen&) const = default;
    };

    ModalWatchdog()
    {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, this, [this] { answer(); });
        timer_.start();
    }

    // What was seen since the last call, emptied.
    QList<Seen> take() { return std::exchange(seen_, {}); }

private:
    void answer()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal)
            return;
        Seen seen{modal->windowTitle(), {}, QMessageBox::NoIcon, {}};
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            seen.text = box->text();
            seen.icon = box->icon();
            for (QAbstractButton* button : box->buttons())
                seen.buttons << button->text();
            seen_ << seen;
            if (QAbstractButton* ok = box->button(QMessageBox::Ok)) {
                ok->click();
                return;
            }
        } else {
            seen_ << seen;
        }
        modal->close();
    }

    QTimer timer_;
    QList<Seen> seen_;
};

inline QString describe(const ModalWatchdog::Seen& seen)
{
    return QStringLiteral("{%1 | %2 | icon %3 | %4}")
                       .arg(seen.title, seen.text)
                       .arg(int(seen.icon))
        .arg(seen.buttons.join(','));
}

// Lets QCOMPARE print what a message box showed.
inline char* toString(const ModalWatchdog::Seen& seen) { return qstrdup(describe(seen).toUtf8().constData()); }
