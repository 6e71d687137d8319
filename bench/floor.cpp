// The floor: what any Qt Widgets window costs before it is on screen. One
// line of text in a window of Ludrix's size and title, so the launch timer
// finds it the same way. The text sits in a layout, as in most windows: the
// layout measures it before the window maps, so the floor, like Ludrix, has
// loaded the font database by then. A label sized by hand would map first
// and load the fonts only for its first frame.
#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Ludrix"));
    window.setFixedSize(368, 237);
    auto* layout = new QVBoxLayout(&window);
    layout->addWidget(new QLabel(QStringLiteral("To calculate volumetric flow rate")));
    window.show();
    return QApplication::exec();
}
