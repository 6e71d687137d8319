#include <QApplication>
#include <cstdio>

#include "app/display_check.h"
#include "app/identity.h"
#include "ui/common/language.h"
#include "ui/common/maker.h"
#include "ui/main/ludrix.h"

int main(int argc, char* argv[])
{
    if (const auto problem = app::unreachableDisplay(argc, argv)) {
        std::fprintf(stderr, "%s\n", problem->c_str());
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(app::ApplicationName));
    QApplication::setApplicationVersion(QString::fromUtf8(app::ApplicationVersion));
    QApplication::setOrganizationName(QString::fromUtf8(ui::MakerName));
    QApplication::setOrganizationDomain(QString::fromUtf8(ui::MakerDomain));
    // Lets a Wayland desktop match the window to the installed entry and icon.
    QApplication::setDesktopFileName(QString::fromUtf8(app::DesktopFileName));
    ui::speakUsersLanguage(application);
    ui::Ludrix window;
    window.show();
    return QApplication::exec();
}
