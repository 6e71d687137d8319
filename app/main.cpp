#include <QApplication>

#include "ui/main/ludrix.h"

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    ui::Ludrix window;
    window.show();
    return QApplication::exec();
}
