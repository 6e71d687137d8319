// Ends the program the way a user does, through the Exit button or by
// closing the main window, with or without the About window open, inside the
// real event loop: the run must end by itself, with status 0 and no window
// left on screen.
#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <cstring>

#include "ui/about/about.h"
#include "ui/main/ludrix.h"

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const bool byExit = argc >= 2 && std::strcmp(argv[1], "exit") == 0;
    const bool byClose = argc >= 2 && std::strcmp(argv[1], "close") == 0;
    const bool withAbout = argc == 3 && std::strcmp(argv[2], "about") == 0;
    if ((!byExit && !byClose) || argc > 3 || (argc == 3 && !withAbout)) {
        std::fprintf(stderr, "usage: ends_program exit|close [about]\n");
        return 2;
    }

    ui::Ludrix window;
    window.show();
    QPointer<ui::About> about;
    if (withAbout) {
        QTest::mouseClick(window.findChild<QPushButton*>("AboutUs"), Qt::LeftButton);
        about = ui::program::About;
        if (!about || !about->isVisible()) {
            std::fprintf(stderr, "About Us opened no window\n");
            return 5;
        }
    }
    QTimer::singleShot(0, &window, [&] {
        if (byExit)
            QTest::mouseClick(window.findChild<QPushButton*>("Endin"), Qt::LeftButton);
        else
            window.close();
    });
    QTimer::singleShot(10'000, [] {
        std::fprintf(stderr, "the program did not end\n");
        QCoreApplication::exit(3);
    });
    const int status = QApplication::exec();
    if (window.isVisible() || (about && about->isVisible())) {
        std::fprintf(stderr, "a window is still on screen\n");
        return 4;
    }
    return status;
}
