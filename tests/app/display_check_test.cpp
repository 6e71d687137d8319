// The check made before Qt starts: the displays Qt would look for, as its
// platform plugins choose and find them, and the one line that answers a
// start with nothing to show on.
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "app/display_attempts.h"

namespace {

// Only the variables a row names; "NAME=" sets one empty.
app::Environment environmentOf(const QStringList& variables)
{
    auto values = std::make_shared<std::map<std::string, std::string>>();
    for (const QString& variable : variables)
        values->emplace(variable.section(u'=', 0, 0).toStdString(), variable.section(u'=', 1).toStdString());
    return [values](const char* name) -> const char* {
        const auto found = values->find(name);
        return found == values->end() ? nullptr : found->second.c_str();
    };
}

std::vector<std::string> argumentsOf(const QStringList& arguments)
{
    std::vector<std::string> list;
    for (const QString& argument : arguments)
        list.push_back(argument.toStdString());
    return list;
}

// An X display number nothing serves.
QString freeXDisplay()
{
    int number = 99;
    while (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(number)))
        ++number;
    return QStringLiteral(":%1").arg(number);
}

class DisplayCheckTest : public QObject {
    Q_OBJECT

    QTemporaryDir empty_;
    QTemporaryDir compositor_;
    int listening_ = -1;

private slots:
    // A compositor that answers is a socket that takes connections.
    void initTestCase()
    {
        QVERIFY(empty_.isValid() && compositor_.isValid());
        const QByteArray path = QFile::encodeName(compositor_.filePath("wayland-0"));
        sockaddr_un address {};
        address.sun_family = AF_UNIX;
        QVERIFY(static_cast<std::size_t>(path.size()) < sizeof address.sun_path);
        std::copy(path.begin(), path.end(), address.sun_path);
        listening_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        QVERIFY(listening_ >= 0);
        QVERIFY(::bind(listening_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0);
        QVERIFY(::listen(listening_, 4) == 0);
    }

    void cleanupTestCase()
    {
        if (listening_ >= 0)
            ::close(listening_);
    }

    void attemptsFollowQt_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("builtFor");
        QTest::addColumn<QStringList>("attempts");
        const QString runtime = "XDG_RUNTIME_DIR=/run/user/1000";

        QTest::newRow("nothing set") << QStringList {} << QStringList {} << "xcb" << QStringList { "xcb" };
        QTest::newRow("DISPLAY only") << QStringList {} << QStringList { "DISPLAY=:0" } << "xcb"
                                      << QStringList { "xcb :0" };
        QTest::newRow("-display with DISPLAY unset")
            << QStringList { "-display", ":77" } << QStringList {} << "xcb" << QStringList { "xcb :77" };
        QTest::newRow("--display over DISPLAY")
            << QStringList { "--display", ":77" } << QStringList { "DISPLAY=:0" } << "xcb" << QStringList { "xcb :77" };
        QTest::newRow("-display last, without its value")
            << QStringList { "-display" } << QStringList { "DISPLAY=:0" } << "xcb" << QStringList { "xcb :0" };
        QTest::newRow("-display empty reads DISPLAY")
            << QStringList { "-display", "" } << QStringList { "DISPLAY=:0" } << "xcb" << QStringList { "xcb :0" };
        QTest::newRow("-name takes the word after it")
            << QStringList { "-name", "-display", ":77" } << QStringList { "DISPLAY=:0" } << "xcb"
            << QStringList { "xcb :0" };
        QTest::newRow("-qwindowtitle takes the word after it") << QStringList { "-qwindowtitle", "-display",
            ":77" } << QStringList { "DISPLAY=:0" } << "xcb" << QStringList { "xcb :0" };
        QTest::newRow("-title takes the word after it while xcb is chosen")
            << QStringList { "-title", "-platform", "offscreen" } << QStringList {} << "xcb" << QStringList { "xcb" };
        QTest::newRow("-title is a plain word elsewhere")
            << QStringList { "-title", "-platform", "minimal" } << QStringList { "QT_QPA_PLATFORM=offscreen" } << "xcb"
            << QStringList { "minimal" };
        QTest::newRow("-platform xcb over QT_QPA_PLATFORM=wayland")
            << QStringList { "-platform", "xcb", "-display", ":77" } << QStringList { "QT_QPA_PLATFORM=wayland" }
            << "xcb" << QStringList { "xcb :77" };
        QTest::newRow("--platform, the last one counts") << QStringList { "--platform", "wayland", "-platform",
            "offscreen" } << QStringList {} << "xcb" << QStringList { "offscreen" };
        QTest::newRow("-platform last, without its value")
            << QStringList { "-platform" } << QStringList { "QT_QPA_PLATFORM=offscreen" } << "xcb"
            << QStringList { "offscreen" };
        QTest::newRow("QT_QPA_PLATFORM=wayland;xcb")
            << QStringList {} << QStringList { "QT_QPA_PLATFORM=wayland;xcb", "DISPLAY=:0", runtime } << "xcb"
            << QStringList { "wayland /run/user/1000/wayland-0", "xcb :0" };
        QTest::newRow("options after a colon, the name in any case")
            << QStringList {} << QStringList { "QT_QPA_PLATFORM=XCB:nograb", "DISPLAY=:0" } << "xcb"
            << QStringList { "xcb :0" };
        QTest::newRow("a second xcb has lost -display")
            << QStringList { "-display", ":78" } << QStringList { "QT_QPA_PLATFORM=xcb;xcb", "DISPLAY=:0" } << "xcb"
            << QStringList { "xcb :78", "xcb :0" };
        QTest::newRow("Wayland session by XDG_SESSION_TYPE")
            << QStringList {} << QStringList { "XDG_SESSION_TYPE=wayland", "DISPLAY=:0", runtime } << "xcb"
            << QStringList { "wayland /run/user/1000/wayland-0", "xcb :0" };
        QTest::newRow("WAYLAND_DISPLAY, whatever XDG_SESSION_TYPE says")
            << QStringList {} << QStringList { "WAYLAND_DISPLAY=wayland-1", "XDG_SESSION_TYPE=x11", runtime } << "xcb"
            << QStringList { "wayland /run/user/1000/wayland-1", "xcb" };
        QTest::newRow("WAYLAND_DISPLAY a path, without XDG_RUNTIME_DIR")
            << QStringList {} << QStringList { "WAYLAND_DISPLAY=/tmp/wayland-2" } << "xcb"
            << QStringList { "wayland /tmp/wayland-2", "xcb" };
        QTest::newRow("WAYLAND_DISPLAY set empty") << QStringList {} << QStringList { "WAYLAND_DISPLAY=", runtime }
                                                   << "xcb" << QStringList { "wayland /run/user/1000/", "xcb" };
        QTest::newRow("XDG_RUNTIME_DIR not a path")
            << QStringList {} << QStringList { "XDG_SESSION_TYPE=wayland", "XDG_RUNTIME_DIR=run" } << "xcb"
            << QStringList { "wayland", "xcb" };
        QTest::newRow("WAYLAND_SOCKET first and alone")
            << QStringList {} << QStringList { "WAYLAND_SOCKET=5", "WAYLAND_DISPLAY=wayland-1", runtime } << "xcb"
            << QStringList { "wayland WAYLAND_SOCKET=5", "xcb" };
        QTest::newRow("Qt built to prefer Wayland, in an X session")
            << QStringList {} << QStringList { "DISPLAY=:0" } << "wayland" << QStringList { "xcb :0", "wayland" };
        QTest::newRow("offscreen") << QStringList {} << QStringList { "QT_QPA_PLATFORM=offscreen", "DISPLAY=:0" }
                                   << "xcb" << QStringList { "offscreen" };
        QTest::newRow("names the check does not know")
            << QStringList { "-platform", "wayland-egl;vnc:size=800x600" } << QStringList {} << "xcb"
            << QStringList { "wayland-egl", "vnc" };
    }

    // Each attempt as "platform display", as a user would name it.
    void attemptsFollowQt()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(QString, builtFor);
        QFETCH(QStringList, attempts);
        QStringList found;
        for (const app::DisplayAttempt& attempt :
            app::displayAttempts(argumentsOf(arguments), environmentOf(environment), builtFor.toStdString()))
            found << QString::fromStdString(attempt.platform + ' ' + attempt.display).trimmed();
        QCOMPARE(found, attempts);
    }

    void refusalNamesWhatWasTried_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<QString>("why");
        const QString free = freeXDisplay();
        const QString nowhere = "XDG_RUNTIME_DIR=" + empty_.path();
        const QString socket = QDir(empty_.path()).filePath("wayland-0");

        QTest::newRow("nothing set") << QStringList {} << QStringList {} << "DISPLAY is not set";
        QTest::newRow("-display with no server")
            << QStringList { "-display", free } << QStringList {} << "no X server answers at " + free;
        QTest::newRow("only Wayland tried") << QStringList {} << QStringList { "QT_QPA_PLATFORM=wayland", nowhere }
                                            << "no Wayland compositor at " + socket;
        QTest::newRow("Wayland without XDG_RUNTIME_DIR") << QStringList {} << QStringList { "QT_QPA_PLATFORM=wayland" }
                                                         << "no Wayland compositor to find without XDG_RUNTIME_DIR";
        QTest::newRow("Wayland, then DISPLAY with no server")
            << QStringList {} << QStringList { "XDG_SESSION_TYPE=wayland", "DISPLAY=" + free, nowhere }
            << "no Wayland compositor at " + socket + "; no X server answers at DISPLAY=" + free;
        QTest::newRow("a compositor answers")
            << QStringList {}
            << QStringList { "WAYLAND_DISPLAY=wayland-0", "DISPLAY=" + free, "XDG_RUNTIME_DIR=" + compositor_.path() }
            << QString();
        QTest::newRow("-platform offscreen, with no display at all")
            << QStringList { "-platform", "offscreen" } << QStringList {} << QString();
        QTest::newRow("a plugin the check leaves to Qt")
            << QStringList {} << QStringList { "QT_QPA_PLATFORM=xcb;eglfs" } << QString();
        QTest::newRow("no plugin named") << QStringList {} << QStringList { "QT_QPA_PLATFORM=;" } << QString();
    }

    // Asks the displays for real; none of those named can answer but the
    // compositor of this test's own making. An empty why: the start goes on.
    void refusalNamesWhatWasTried()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, environment);
        QFETCH(QString, why);
        const app::Environment lookup = environmentOf(environment);
        const auto refusal
            = app::unreachableDisplay(app::displayAttempts(argumentsOf(arguments), lookup, "xcb"), lookup);
        const QString expected = why.isEmpty() ? QString()
                                               : "ludrix: no display to show the window on (" + why
                + "); start it from a desktop session, or without one as: xvfb-run ludrix";
        QCOMPARE(refusal ? QString::fromStdString(*refusal) : QString(), expected);
    }
};

} // namespace

QTEST_APPLESS_MAIN(DisplayCheckTest)

#include "display_check_test.moc"
