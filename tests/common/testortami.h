#pragma once

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#ifdef QT_WIDGETS_LIB
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
using RavlaTestUygulamasi = QApplication;

// Every message box a test meets is answered at once and remembered as "title: text", so
// that no test ever waits for a click.
inline QStringList &yakalananMesajlar()
{
    static QStringList mesajlar;
    return mesajlar;
}
inline void mesajKutulariniYanitla()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (auto *kutu = qobject_cast<QMessageBox *>(w); kutu && kutu->isVisible()) {
            yakalananMesajlar() << kutu->windowTitle() + QStringLiteral(": ") + kutu->text();
            kutu->done(QMessageBox::Ok);
        }
}
#define RAVLA_MESAJ_YANITLAYICI()                                                                  \
    QTimer yanitlayici;                                                                            \
    QObject::connect(&yanitlayici, &QTimer::timeout, &mesajKutulariniYanitla);                     \
    yanitlayici.start(10);
#else
#include <QCoreApplication>
using RavlaTestUygulamasi = QCoreApplication;
#define RAVLA_MESAJ_YANITLAYICI()
#endif

// Every test runs against stores of its own (a fresh XDG_CONFIG_HOME and data home) and an
// offscreen 1280 x 1024 desktop, never against the user's settings or display.
#define RAVLA_TEST_MAIN(TestClass)                                                                 \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QTemporaryDir ortam;                                                                       \
        qputenv("XDG_CONFIG_HOME", ortam.filePath(QStringLiteral("config")).toLocal8Bit());        \
        qputenv("XDG_DATA_HOME", ortam.filePath(QStringLiteral("data")).toLocal8Bit());            \
        QFile f(ortam.filePath(QStringLiteral("screen.json")));                                    \
        if (f.open(QIODevice::WriteOnly))                                                          \
            f.write(R"({"screens":[{"name":"test","x":0,"y":0,"width":1280,"height":1024,)"        \
                    R"("logicalDpi":96,"logicalBpi":96,"dpr":1}]})");                              \
        f.close();                                                                                 \
        qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + f.fileName()).toLocal8Bit());        \
        RavlaTestUygulamasi app(argc, argv);                                                       \
        RAVLA_MESAJ_YANITLAYICI()                                                                  \
        TestClass test;                                                                            \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
