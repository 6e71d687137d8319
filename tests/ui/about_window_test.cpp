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

    static bool oneAboutWindow()
    {
        return std::ranges::count_if(QApplication::topLevelWidgets(), [](QWidget* widget) {
            return qobject_cast<ui::About*>(widget);
        }) == 1;
    }

    static bool centred(QWidget* window)
    {
        return (window->geometry().center() - window->screen()->availableGeometry().center()).manhattanLength() <= 2;
    }

private slots:
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
        QVERIFY(oneAboutWindow());
        QCOMPARE(about->windowTitle(), "About Us");
        QCOMPARE(about->minimumSize(), QSize(264, 109));
        QCOMPARE(about->maximumSize(), QSize(264, 109));
        // Without an owner: the desktop keeps it neither above nor with the
        // main window, and the main window stays usable beside it.
        QCOMPARE(about->parentWidget(), nullptr);
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        QVERIFY(centred(about));
        testing_support::checkLayout(about);
        for (const char* name : { "Visit", "Contact", "Label1" })
            QVERIFY2(testing_support::textContrast(control(name)) >= 4.5, name);
        if (testing_support::underWine())
            QSKIP("Wine without a window manager hands the activation back to the main window after the "
                  "About window has taken it, so the focus cannot be told");
        QCOMPARE(QApplication::focusWidget(), control("OK"));
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
    void closedThroughItsFrameItIsBuiltAfreshAndCentred()
    {
        for (const bool straightAway : { false, true }) {
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
            QVERIFY(oneAboutWindow());
        }
    }

    // Each link twice, the window shown anew between: one link a click, sent
    // once the window is out of the browser's way; the version opens nothing.
    void linksHideTheWindowBeforeTheDesktopOpensThem()
    {
        ui::About* about = openAbout();
        QVERIFY(about);
        testing_support::UrlCatcher desktop;
        for (const char* name : { "Visit", "Contact", "Label1", "Visit", "Contact" }) {
            QCOMPARE(openAbout(), about);
            QCOMPARE(control(name)->cursor().shape(), *name == 'L' ? Qt::ArrowCursor : Qt::PointingHandCursor);
            QTest::mouseClick(control(name), Qt::LeftButton);
        }
        const QString web = "https://www.northfall.example", mail = "mailto:us@northfall.example?subject=Enquiry";
        QCOMPARE(desktop.urls, QStringList({ web, mail, web, mail }));
        QCOMPARE(desktop.aboutShown, QList<bool>(4, false));
    }
};

} // namespace

std::unique_ptr<QObject> testing_support::aboutWindowTest()
{
    return std::make_unique<AboutWindowTest>();
}

#include "about_window_test.moc"
