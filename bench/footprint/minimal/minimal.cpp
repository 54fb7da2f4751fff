// The least a tray program does, to measure the program against: a 720 x 440 window shown at
// the start and hidden into the tray 1.5 s later, a tray icon with a menu, and a one-second
// timer that writes the time into a label.
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSystemTrayIcon>
#include <QTime>
#include <QTimer>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);

    QWidget window;
    window.setWindowTitle(QStringLiteral("Minimal Tray"));
    window.setFixedSize(720, 440);
    QLabel clock(&window);
    clock.setGeometry(20, 20, 200, 30);

    QPixmap picture(22, 22);
    picture.fill(Qt::darkGreen);
    QSystemTrayIcon tray{QIcon(picture)};
    QMenu menu;
    menu.addAction(QStringLiteral("Quit"), &app, [] { QCoreApplication::exit(0); });
    tray.setContextMenu(&menu);
    tray.show();

    // The clock shows the time from the start, as any window shows its text.
    const auto tick = [&clock] { clock.setText(QTime::currentTime().toString()); };
    tick();
    QTimer second;
    QObject::connect(&second, &QTimer::timeout, &clock, tick);
    second.start(1000);

    window.show();
    QTimer::singleShot(1500, &window, &QWidget::hide);
    return app.exec();
}
