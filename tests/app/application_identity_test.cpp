#include "qt_test_main.h"

#include <QApplication>
#include <QIcon>
#include <QTest>

class ApplicationIdentityTest : public QObject {
    Q_OBJECT
private slots:
    void declaresNameVersionEntryAndIcon()
    {
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Tarvelle"));
        QCOMPARE(QApplication::applicationVersion(), QStringLiteral(TARVELLE_VERSION));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.example.tarvelle"));
        const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
    }
};

TARVELLE_QT_TEST_MAIN(ApplicationIdentityTest)
#include "application_identity_test.moc"
