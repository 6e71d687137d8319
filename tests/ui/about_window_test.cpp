// The About window as a user meets it: opened from the main window, closed,
// reopened, and its two links followed.
#include <QPointer>
#include <QScreen>

#include "ui/about/about.h"
#include "window_test_support.h"

namespace {

class AboutWindowTest : public testing_support::MainWindowFixture {
    Q_OBJECT

private:
    static QWidget* control(const char* name) { return ui::program::About->findChild<QWidget*>(name); }

    // Opens the window and waits until it has the keyboard, as a user sees it.
    ui::About* openAbout() const
    {
        QTest::mouseClick(button("About Us"), Qt::LeftButton);
        if (!ui::program::About || !QTest::qWaitForWindowActive(ui::program::About))
            return nullptr;
        return ui::program::About;
    }

    static int aboutWindows()
    {
        int count = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            count += qobject_cast<ui::About*>(widget) != nullptr;
        return count;
    }

    static bool centred(QWidget* window)
    {
        return (window->geometry().center() - window->screen()->availableGeometry().center()).manhattanLength() <= 2;
    }

private slots:
    void initTestCase() { testing_support::quietOffscreenPlatform(); }

    void init() { openMainWindow(); }

    void cleanup()
    {
        closeMainWindow();
        // The main window takes the About window with it.
        QVERIFY(ui::program::About.isNull());
        QCOMPARE(aboutWindows(), 0);
    }

    void manyClicksGiveOneWindowInItsFixedLayout()
    {
        QVERIFY(ui::program::About.isNull());
        ui::About* about = openAbout();
        QVERIFY(about);
        for (int i = 0; i < 3; ++i) {
            window_->activateWindow();
            QTRY_VERIFY(window_->isActiveWindow());
            QCOMPARE(openAbout(), about);
        }
        QCOMPARE(aboutWindows(), 1);
        QCOMPARE(about->windowTitle(), "About Us");
        QCOMPARE(about->minimumSize(), QSize(264, 109));
        QCOMPARE(about->maximumSize(), QSize(264, 109));
        // Without an owner: the desktop keeps it neither above nor with the
        // main window, and the main window stays usable beside it.
        QCOMPARE(about->parentWidget(), nullptr);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(centred(about));
        QCOMPARE(QApplication::focusWidget(), control("OK"));
        testing_support::checkLayout(about);
        for (const char* name : { "Visit", "Contact", "Label1" })
            QVERIFY2(testing_support::textContrast(control(name)) >= 4.5, name);
    }

    void theVersionStaysReadableUnderADarkScheme()
    {
        const auto dark
            = testing_support::desktopScheme(QApplication::palette(), QPalette::WindowText, QColor(230, 230, 230));
        ui::About about;
        QVERIFY(testing_support::textContrast(about.findChild<QLabel*>("Label1")) >= 4.5);
    }

    void closeHidesItAndAboutUsShowsItWhereItWasLeft()
    {
        ui::About* about = openAbout();
        QVERIFY(about);
        about->move(about->pos() + QPoint(-50, 30));
        const QPoint left = about->pos();
        QTest::mouseClick(control("OK"), Qt::LeftButton);
        QVERIFY(!about->isVisible());
        QCOMPARE(openAbout(), about);
        QCOMPARE(about->pos(), left);
    }

    // Also when About Us comes straight after the frame's close, before the
    // old window is gone: the window on its way out must not be shown.
    void closedThroughItsFrameItIsBuiltAfreshAndCentred_data()
    {
        QTest::addColumn<bool>("straightAway");
        QTest::newRow("later") << false;
        QTest::newRow("straight away") << true;
    }

    void closedThroughItsFrameItIsBuiltAfreshAndCentred()
    {
        QFETCH(bool, straightAway);
        QPointer<ui::About> first = openAbout();
        QVERIFY(first);
        first->move(first->pos() + QPoint(-50, 30));
        first->close();
        if (straightAway)
            QTest::mouseClick(button("About Us"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QVERIFY(window_->isVisible());
        QVERIFY(straightAway || openAbout());
        QVERIFY(ui::program::About && ui::program::About->isVisible());
        QVERIFY(centred(ui::program::About));
        QCOMPARE(aboutWindows(), 1);
    }

    void linksHideTheWindowBeforeTheDesktopOpensThem_data()
    {
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("expected");
        QTest::newRow("Visit") << "Visit"
                               << "https://www.northfall.example";
        QTest::newRow("Contact") << "Contact"
                                 << "mailto:us@northfall.example?subject=Enquiry";
    }

    void linksHideTheWindowBeforeTheDesktopOpensThem()
    {
        QFETCH(QString, link);
        QFETCH(QString, expected);

        ui::About* about = openAbout();
        QVERIFY(about);
        testing_support::UrlCatcher desktop;
        QList<bool> shownWhenOpened;
        desktop.onOpen = [&] { shownWhenOpened.append(about->isVisible()); };
        QCOMPARE(control(qPrintable(link))->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(control(qPrintable(link)), Qt::LeftButton);
        QCOMPARE(desktop.urls, QStringList { expected });
        QCOMPARE(shownWhenOpened, QList<bool> { false });

        // And again after the window is shown anew: the same text, once;
        // the version beside the links opens nothing.
        QCOMPARE(openAbout(), about);
        QTest::mouseClick(control("Label1"), Qt::LeftButton);
        QTest::mouseClick(control(qPrintable(link)), Qt::LeftButton);
        QCOMPARE(desktop.urls, QStringList(2, expected));
    }
};

} // namespace

std::unique_ptr<QObject> testing_support::aboutWindowTest()
{
    return std::make_unique<AboutWindowTest>();
}

#include "about_window_test.moc"
