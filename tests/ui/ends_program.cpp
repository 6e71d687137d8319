// Exit and the main window's frame each end the run, with the About window
// open or not: the event loop returns by itself, with status 0, and leaves no
// window on screen.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <cstdio>

#include "ui/about/about.h"
#include "ui/main/ludrix.h"

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    int failures = 0;
    for (const bool byExit : { true, false }) {
        for (const bool withAbout : { false, true }) {
            ui::Ludrix window;
            window.show();
            if (withAbout)
                QTest::mouseClick(window.findChild<QPushButton*>("AboutUs"), Qt::LeftButton);
            QTimer::singleShot(0, &window, [&window, byExit] {
                if (byExit)
                    QTest::mouseClick(window.findChild<QPushButton*>("Endin"), Qt::LeftButton);
                else
                    window.close();
            });
            QTimer::singleShot(5'000, &window, [] { QCoreApplication::exit(3); });
            const int status = QApplication::exec();
            const bool onScreen = window.isVisible() || (ui::program::About && ui::program::About->isVisible());
            if (status != 0 || onScreen) {
                std::fprintf(stderr, "%s%s: status %d%s\n", byExit ? "Exit" : "closing the frame",
                    withAbout ? " with the About window open" : "", status, onScreen ? ", a window on screen" : "");
                ++failures;
            }
        }
    }
    return failures == 0 ? 0 : 1;
}
