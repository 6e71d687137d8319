// The floor: what any Qt Widgets window costs before it is on screen. One
// line of text in a window of Ludrix's size and title, so the launch timer
// finds it the same way.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QLabel window(QStringLiteral("To calculate volumetric flow rate"));
    window.setWindowTitle(QStringLiteral("Ludrix"));
    window.setFixedSize(368, 237);
    window.show();
    return QApplication::exec();
}
