#include "form_fixture.h"

#include <QAccessible>

namespace {

QString spoken(QWidget* widget, QAccessible::Text text)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(widget);
    return accessible ? accessible->text(text) : QString();
}

}  // namespace

class MainFormAccessibilityTest : public FormFixture {
    Q_OBJECT
private slots:
    void namesAndDescriptions_data()
    {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("description");
        const QString twoWire = "la ligne bifilaire", square = "la ligne coaxiale de type carré",
                      round = "la ligne coaxiale de type rond";
        const QString entry = "Dimension de %1 : chiffres et point décimal seulement";
        const QString outer = "Diamètre extérieur du conducteur interne (d), en millimètres";
        const QString inner = "Diamètre intérieur du conducteur externe (D), en millimètres";
        QTest::newRow("Text1(0)") << "Text1(0)" << "Diamètre des conducteurs (d), en millimètres" << entry.arg(twoWire);
        QTest::newRow("Text1(1)") << "Text1(1)" << "Distance d'axe entre axe (D), en millimètres" << entry.arg(twoWire);
        QTest::newRow("Text2(0)") << "Text2(0)" << outer << entry.arg(square);
        QTest::newRow("Text2(1)") << "Text2(1)" << inner << entry.arg(square);
        QTest::newRow("Text3(0)") << "Text3(0)" << outer << entry.arg(round);
        QTest::newRow("Text3(1)") << "Text3(1)" << inner << entry.arg(round);
        const QString erase = "Efface les dimensions et l'impédance de %1", calculate = "Calcule l'impédance de %1";
        QTest::newRow("Command1") << "Command1" << "Nouveau" << erase.arg(twoWire);
        QTest::newRow("Command2") << "Command2" << "Calculer" << calculate.arg(twoWire);
        QTest::newRow("Command3") << "Command3" << "Nouveau" << erase.arg(square);
        QTest::newRow("Command4") << "Command4" << "Calculer" << calculate.arg(square);
        QTest::newRow("Command5") << "Command5" << "Nouveau" << erase.arg(round);
        QTest::newRow("Command6") << "Command6" << "Calculer" << calculate.arg(round);
        const QString none = "Impédance de %1 : pas de résultat", ohms = "Impédance caractéristique de %1, en ohms";
        QTest::newRow("Label11") << "Label11" << none.arg(twoWire) << ohms.arg(twoWire);
        QTest::newRow("Label24") << "Label24" << none.arg(square) << ohms.arg(square);
        QTest::newRow("Label26") << "Label26" << none.arg(round) << ohms.arg(round);
        QTest::newRow("Image1") << "Image1" << "Coupe de " + twoWire
                                << "d : diamètre des conducteurs ; D : distance d'axe en axe";
    }
    void namesAndDescriptions()
    {
        QFETCH(QString, control);
        QFETCH(QString, name);
        QFETCH(QString, description);
        QWidget* widget = FormFixture::control(control);
        QCOMPARE(spoken(widget, QAccessible::Name), name);
        QCOMPARE(spoken(widget, QAccessible::Description), description);
    }

    void resultIsAnnouncedWithItsUnit()
    {
        entry("Text3(0)")->setText("1");
        entry("Text3(1)")->setText("2.2");
        QTest::mouseClick(button("Command6"), Qt::LeftButton);
        QCOMPARE(spoken(label("Label26"), QAccessible::Name),
                 QStringLiteral("Impédance de la ligne coaxiale de type rond : 47.3 ohms"));
        QTest::mouseClick(button("Command5"), Qt::LeftButton);
        QCOMPARE(spoken(label("Label26"), QAccessible::Name),
                 QStringLiteral("Impédance de la ligne coaxiale de type rond : pas de résultat"));
    }
};

TARVELLE_QT_TEST_MAIN(MainFormAccessibilityTest)
#include "main_form_accessibility_test.moc"
