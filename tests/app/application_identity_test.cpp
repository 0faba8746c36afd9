#include "app/application_identity.h"

#include <QApplication>
#include <QIcon>
#include <QTest>

class ApplicationIdentityTest : public QObject {
    Q_OBJECT
private slots:
    void declaresNameVersionEntryAndIcon()
    {
        QCOMPARE(QApplication::applicationName(), QStringLiteral("Tarvelle"));
        QCOMPARE(QApplication::applicationVersion(), QStringLiteral("1.00"));
        QCOMPARE(QGuiApplication::desktopFileName(), QStringLiteral("org.example.tarvelle"));
        const QList<QSize> sizes = QApplication::windowIcon().availableSizes();
        QVERIFY(sizes.contains(QSize(16, 16)));
        QVERIFY(sizes.contains(QSize(32, 32)));
    }
};

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    tarvelle::app::declareApplicationIdentity(application);
    ApplicationIdentityTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "application_identity_test.moc"
