#include "form_fixture.h"

#include <QFontInfo>
#include <QScreen>

namespace {

enum Kind { Label, Title, Symbol, Result, Entry, Button, Picture };

// Every control of the window as designed, positions and sizes in twips.
struct Row {
    const char* name;
    Kind kind;
    const char* text;  // caption, tooltip, or the maximum length of an entry
    int left, top, width, height;
};

// clang-format off
const Row rows[] = {
    {"Label3", Title, "LIGNE BIFILAIRE DITE \"ECHELLE A GRENOUILLE\"", 120, 120, 6975, 255},
    {"Label4", Label, "Diamètre des conducteurs", 480, 600, 1935, 255},
    {"Label5", Symbol, "(d)", 2400, 600, 255, 255},
    {"Label6", Label, ":", 2640, 600, 135, 255},
    {"Text1(0)", Entry, "4", 2760, 600, 615, 285},
    {"Label12", Label, "mm", 3480, 600, 255, 255},
    {"Label7", Label, "Distance d'axe entre axe ", 480, 960, 1815, 255},
    {"Label8", Symbol, "(D)", 2280, 960, 255, 255},
    {"Label9", Label, ":", 2520, 960, 135, 255},
    {"Text1(1)", Entry, "5", 2760, 960, 615, 285},
    {"Label13", Label, "mm", 3480, 960, 255, 255},
    {"Label10", Label, "Impédance de la ligne bifilaire :", 480, 1440, 2175, 255},
    {"Label11", Result, "", 2760, 1440, 615, 255},
    {"Label14", Label, "ohms", 3480, 1440, 495, 255},
    {"Command1", Button, "Nouveau !", 3960, 480, 735, 615},
    {"Command2", Button, "Calculer !", 3960, 1200, 735, 615},
    {"Image1", Picture, "", 4800, 480, 2235, 1305},

    {"Label2", Title, "LIGNE COAXIALE DE TYPE CARREE", 120, 2160, 6975, 255},
    {"Label15(0)", Label, "Diamètre extérieur du conducteur interne", 120, 2640, 2895, 255},
    {"Label16(0)", Symbol, "(d)", 3120, 2640, 255, 255},
    {"Label17(0)", Label, ":", 3360, 2640, 135, 255},
    {"Text2(0)", Entry, "4", 3600, 2640, 615, 285},
    {"Label21(0)", Label, "mm", 4320, 2640, 255, 255},
    {"Label18(0)", Label, "Diamètre intérieur du conducteur externe", 120, 3000, 2895, 255},
    {"Label19(0)", Symbol, "(D)", 3120, 3000, 255, 255},
    {"Label20(0)", Label, ":", 3360, 3000, 135, 255},
    {"Text2(1)", Entry, "5", 3600, 3000, 615, 285},
    {"Label22(0)", Label, "mm", 4320, 3000, 255, 255},
    {"Label23(0)", Label, "Impédance de la ligne coaxiale de type carré :", 120, 3480, 3375, 255},
    {"Label24", Result, "", 3600, 3480, 615, 255},
    {"Label25(0)", Label, "ohms", 4320, 3480, 375, 255},
    {"Command3", Button, "Nouveau !", 4800, 2520, 735, 615},
    {"Command4", Button, "Calculer !", 4800, 3240, 735, 615},
    {"Image2", Picture, "", 5640, 2040, 1440, 2100},

    {"Label1", Title, "LIGNE COAXIALE DE TYPE RONDE", 120, 4560, 6975, 255},
    {"Label15(1)", Label, "Diamètre extérieur du conducteur interne", 120, 5040, 2895, 255},
    {"Label16(1)", Symbol, "(d)", 3120, 5040, 255, 255},
    {"Label17(1)", Label, ":", 3360, 5040, 135, 255},
    {"Text3(0)", Entry, "4", 3600, 5040, 615, 285},
    {"Label21(1)", Label, "mm", 4320, 5040, 255, 255},
    {"Label18(1)", Label, "Diamètre intérieur du conducteur externe", 120, 5400, 2895, 255},
    {"Label19(1)", Symbol, "(D)", 3120, 5400, 255, 255},
    {"Label20(1)", Label, ":", 3360, 5400, 135, 255},
    {"Text3(1)", Entry, "5", 3600, 5400, 615, 285},
    {"Label22(1)", Label, "mm", 4320, 5400, 255, 255},
    {"Label23(1)", Label, "Impédance de la ligne coaxiale de type rond :", 120, 5880, 3375, 255},
    {"Label26", Result, "", 3600, 5880, 615, 255},
    {"Label25(1)", Label, "ohms", 4320, 5880, 375, 255},
    {"Command5", Button, "Nouveau !", 4800, 4920, 735, 615},
    {"Command6", Button, "Calculer !", 4800, 5640, 735, 615},
    {"Image3", Picture, "", 5640, 4440, 1440, 2100},
};
// clang-format on

QRect pixels(const Row& row) { return {row.left / 15, row.top / 15, row.width / 15, row.height / 15}; }

}  // namespace

class MainFormLayoutTest : public FormFixture {
    Q_OBJECT
private slots:
    void window()
    {
        const QString title = form->windowTitle();
        QVERIFY(title.startsWith(QStringLiteral("Tarvelle          ")));
        QVERIFY(!title.at(18).isSpace());
        QVERIFY(title.contains(QRegularExpression(QStringLiteral("^Tarvelle {10}\\S+ {5}\\S+$"))));
        QCOMPARE(form->size(), QSize(478, 444));
        QCOMPARE(form->minimumSize(), form->maximumSize());
        const Qt::WindowFlags flags = form->windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        const QRect screen = form->screen()->availableGeometry();
        QVERIFY(qAbs(form->geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(form->geometry().center().y() - screen.center().y()) <= 1);
        QVERIFY(form->close());  // no question asked
    }

    void controls()
    {
        const QColor face = form->palette().color(QPalette::Window);
        int labels = 0;
        for (const Row& row : rows) {
            const QString name = QString::fromUtf8(row.name);
            QWidget* widget = control(name);
            QCOMPARE(widget->geometry(), pixels(row));
            QVERIFY2(widget->isVisible() && widget->isEnabled(), row.name);
            const QColor ink = widget->palette().color(QPalette::WindowText);
            switch (row.kind) {
            case Label: case Title: case Symbol: case Result: {
                ++labels;
                auto* l = label(name);
                QCOMPARE(l->text(), QString::fromUtf8(row.text));
                QVERIFY2(l->autoFillBackground(), row.name);
                QCOMPARE(l->palette().color(QPalette::Window), face);
                QCOMPARE(l->focusPolicy(), Qt::NoFocus);
                QCOMPARE(QFontInfo(l->font()).family(), QStringLiteral("MS Sans Serif"));
                QCOMPARE(l->font().pointSizeF(), 8.25);
                QCOMPARE(l->font().bold(), row.kind == Title);
                const bool centred = row.kind == Title || row.kind == Result;
                QCOMPARE(l->alignment() & Qt::AlignHorizontal_Mask, centred ? Qt::AlignHCenter : Qt::AlignLeft);
                QCOMPARE(l->frameShadow() == QFrame::Sunken && l->frameShape() != QFrame::NoFrame, row.kind == Result);
                const QColor expected = row.kind == Symbol ? QColor(255, 0, 0)
                                        : row.kind == Title || row.kind == Result ? QColor(0, 0, 255)
                                                                                   : form->palette().color(QPalette::WindowText);
                QCOMPARE(ink, expected);
                break;
            }
            case Entry: {
                auto* e = entry(name);
                QCOMPARE(e->maxLength(), QString::fromUtf8(row.text).toInt());
                QCOMPARE(e->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
                QVERIFY(e->text().isEmpty());
                QVERIFY(e->hasFrame());
                QCOMPARE(QFontInfo(e->font()).family(), QStringLiteral("MS Sans Serif"));
                break;
            }
            case Button: {
                auto* b = button(name);
                QCOMPARE(b->toolTip(), QString::fromUtf8(row.text));
                QVERIFY(b->text().isEmpty());
                QVERIFY(!b->isDefault() && !b->autoDefault());
                break;
            }
            case Picture:
                QCOMPARE(widget->focusPolicy(), Qt::NoFocus);
                QCOMPARE(qobject_cast<QFrame*>(widget)->frameWidth(), 2);
                break;
            }
        }
        QCOMPARE(labels, 36);
        QCOMPARE(form->findChildren<QLineEdit*>().size(), 6);
        QCOMPARE(form->findChildren<QPushButton*>().size(), 6);
    }

    void noCaptionIsClipped()
    {
        for (QLabel* l : form->findChildren<QLabel*>()) {
            if (l->text().isEmpty())
                continue;
            QVERIFY2(l->sizeHint().width() <= l->width() && l->sizeHint().height() <= l->height(),
                     qPrintable(QStringLiteral("%1 needs %2×%3 in %4×%5").arg(l->objectName()).arg(l->sizeHint().width())
                                    .arg(l->sizeHint().height()).arg(l->width()).arg(l->height())));
        }
        // The widest texts that the entries and result labels can hold.
        for (QLineEdit* e : form->findChildren<QLineEdit*>()) {
            const QString widest(e->maxLength(), QLatin1Char('0'));
            QVERIFY2(e->fontMetrics().horizontalAdvance(widest) <= e->width() - 8, qPrintable(e->objectName()));
        }
        for (const char* name : {"Label11", "Label24", "Label26"}) {
            QLabel* result = label(QString::fromUtf8(name));
            QVERIFY2(result->fontMetrics().horizontalAdvance(QStringLiteral("-2124.9")) <= result->contentsRect().width(),
                     name);
        }
    }

    void separatorLines()
    {
        const QImage image = form->grab().toImage();
        for (int y : {128, 288}) {
            for (int x : {0, 200, 477}) {
                QCOMPARE(image.pixelColor(x, y), QColor(0, 255, 0));
                QVERIFY(image.pixelColor(x, y - 1) != QColor(0, 255, 0));
                QVERIFY(image.pixelColor(x, y + 1) != QColor(0, 255, 0));
            }
        }
    }

    void stacking()
    {
        // Pictures lie over the title labels that cross them; buttons over labels.
        QCOMPARE(form->childAt(400, 150)->objectName(), QStringLiteral("Image2"));
        QCOMPARE(form->childAt(400, 310)->objectName(), QStringLiteral("Image3"));
        QCOMPARE(form->childAt(264, 100)->objectName(), QStringLiteral("Command2"));
        QCOMPARE(form->childAt(263, 100)->objectName(), QStringLiteral("Label14"));
    }

    void resultLabelsStartEmpty()
    {
        for (const char* name : {"Label11", "Label24", "Label26"})
            QVERIFY(label(QString::fromUtf8(name))->text().isEmpty());
    }
};

TARVELLE_QT_TEST_MAIN(MainFormLayoutTest)
#include "main_form_layout_test.moc"
