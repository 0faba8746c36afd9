#pragma once

#include "app/application_identity.h"
#include "ui/application_setup.h"

#include <QApplication>
#include <QTest>

// Runs a Qt test class offscreen, or on the X server that its script started, with the
// application set up as the program sets it up.
#define TARVELLE_QT_TEST_MAIN(TestClass)                        \
    int main(int argc, char* argv[])                            \
    {                                                           \
        if (const QString platform = qEnvironmentVariable("QT_QPA_PLATFORM"); \
            !platform.startsWith(u"offscreen") && platform != u"xcb")         \
            qputenv("QT_QPA_PLATFORM", "offscreen");            \
        QApplication application(argc, argv);                   \
        tarvelle::app::declareApplicationIdentity(application); \
        tarvelle::ui::prepareApplication(application);          \
        TestClass test;                                         \
        return QTest::qExec(&test, argc, argv);                 \
    }
