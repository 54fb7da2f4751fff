#pragma once

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// Every test runs against stores of its own (a fresh XDG_CONFIG_HOME) and an offscreen
// 1280 x 1024 desktop, never against the user's settings or display.
#define RAVLA_TEST_MAIN(TestClass)                                                                 \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QTemporaryDir ortam;                                                                       \
        qputenv("XDG_CONFIG_HOME", ortam.filePath(QStringLiteral("config")).toLocal8Bit());        \
        const QString ekran = ortam.filePath(QStringLiteral("screen.json"));                       \
        QFile f(ekran);                                                                            \
        if (f.open(QIODevice::WriteOnly))                                                          \
            f.write(R"({"screens":[{"name":"test","x":0,"y":0,"width":1280,"height":1024,)"        \
                    R"("logicalDpi":96,"logicalBpi":96,"dpr":1}]})");                              \
        f.close();                                                                                 \
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + ekran).toLocal8Bit());               \
        QApplication app(argc, argv);                                                              \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
