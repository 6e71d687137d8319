// The About window as a user meets it: opened from the main window, closed,
// reopened, and its two links followed.
#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "ui/about/about.h"
#include "ui/common/layout.h"
#include "ui/main/ludrix.h"
#include "window_test_support.h"

using testing_support::UrlCatcher;

class AboutWindowTest : public testing_support::MainWindowFixture {
    Q_OBJECT

private:
    template <class Widget = QWidget> Widget* control(const char* name) const
    {
        return ui::program::About ? ui::program::About->findChild<Widget*>(QString::fromLatin1(name)) : nullptr;
    }

    void clickAboutUs() const
    {
        QTest::mouseClick(window_->findChild<QPushButton*>("AboutUs"), Qt::LeftButton);
    }

    // Opens the window and waits until it has the keyboard, as a user sees it.
    ui::About* openAbout() const
    {
        clickAboutUs();
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

    static QPoint offCentre(QWidget* window)
    {
        return window->geometry().center() - window->screen()->availableGeometry().center();
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

    void notBuiltUntilAboutUsIsClicked()
    {
        QVERIFY(ui::program::About.isNull());
        QVERIFY(openAbout());
    }

    void showsTheVersionAndTheMakersAddressesInItsFixedLayout_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("geometry");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<bool>("bold");
        QTest::addColumn<QColor>("colour");

        const QColor platformText = QPalette().color(QPalette::WindowText);
        QTest::newRow("OK") << "OK" << QRect(184, 72, 73, 25) << "Close" << true << QColor();
        QTest::newRow("Visit") << "Visit" << QRect(8, 8, 177, 17) << "Visit www.northfall.example" << true
                               << QColor(192, 0, 0);
        QTest::newRow("Contact") << "Contact" << QRect(8, 40, 193, 17) << "Contact us@northfall.example" << true
                                 << QColor(192, 0, 0);
        QTest::newRow("Label1") << "Label1" << QRect(8, 88, 65, 17) << "Version 1.0.4" << false << platformText;
    }

    void showsTheVersionAndTheMakersAddressesInItsFixedLayout()
    {
        QFETCH(QString, name);
        QFETCH(QRect, geometry);
        QFETCH(QString, caption);
        QFETCH(bool, bold);
        QFETCH(QColor, colour);

        QVERIFY(openAbout());
        QWidget* widget = control(name.toLatin1());
        QVERIFY(widget);
        QCOMPARE(widget->geometry(), geometry);
        QCOMPARE(testing_support::captionOf(widget), caption);
        QCOMPARE(widget->font().bold(), bold);
        QVERIFY(!widget->font().underline());
        if (colour.isValid())
            QCOMPARE(widget->palette().color(QPalette::WindowText), colour);

        const QRect room = testing_support::captionRoom(widget);
        const QFontMetrics metrics(widget->font());
        QVERIFY2(metrics.horizontalAdvance(caption) <= room.width(),
            qPrintable(QString("%1 px wide in %2").arg(metrics.horizontalAdvance(caption)).arg(room.width())));
        QVERIFY(metrics.height() <= room.height());
        QVERIFY(QFontInfo(widget->font()).family().startsWith("Liberation"));
    }

    void hasAFixedCentredFrameWithCloseButtonOnly()
    {
        ui::About* about = openAbout();
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), "About Us");
        QCOMPARE(about->minimumSize(), QSize(264, 109));
        QCOMPARE(about->maximumSize(), QSize(264, 109));
        const Qt::WindowFlags flags = about->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        // Without an owner: the desktop keeps it neither above nor with the
        // main window.
        QCOMPARE(about->parentWidget(), nullptr);
        QVERIFY(offCentre(about).manhattanLength() <= 2);
    }

    void manyClicksGiveOneWindowBroughtToTheFront()
    {
        ui::About* about = openAbout();
        QVERIFY(about);
        for (int i = 0; i < 5; ++i) {
            window_->activateWindow();
            QTRY_VERIFY(window_->isActiveWindow());
            clickAboutUs();
            QCOMPARE(ui::program::About, about);
            QTRY_VERIFY(about->isActiveWindow());
        }
        QCOMPARE(aboutWindows(), 1);
    }

    void closeThenAboutUsGivesTheSameWindowWhereItWasLeft()
    {
        ui::About* about = openAbout();
        QVERIFY(about);
        about->move(about->pos() + QPoint(-50, 30));
        const QPoint left = about->pos();

        QTest::mouseClick(control<QPushButton>("OK"), Qt::LeftButton);
        QVERIFY(!about->isVisible());

        QCOMPARE(openAbout(), about);
        QCOMPARE(about->pos(), left);
        QCOMPARE(aboutWindows(), 1);
    }

    void closedThroughItsFrameItIsBuiltAfreshAndCentred()
    {
        QPointer<ui::About> first = openAbout();
        QVERIFY(first);
        first->move(first->pos() + QPoint(-50, 30));
        first->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first.isNull());
        QVERIFY(window_->isVisible());

        ui::About* second = openAbout();
        QVERIFY(second);
        QVERIFY(offCentre(second).manhattanLength() <= 2);
        QCOMPARE(aboutWindows(), 1);
    }

    // A pick straight after the frame's close, before the old window is
    // gone, must not show the window that is on its way out.
    void aboutUsRightAfterAFrameCloseShowsAWindowThatStays()
    {
        QPointer<ui::About> first = openAbout();
        QVERIFY(first);
        first->close();
        clickAboutUs();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(ui::program::About);
        QVERIFY(ui::program::About->isVisible());
    }

    void onlyCloseTakesTheFocusAndNoKeyClosesTheWindow()
    {
        ui::About* about = openAbout();
        QVERIFY(about);
        QWidget* ok = control("OK");
        QCOMPARE(QApplication::focusWidget(), ok);
        for (Qt::Key key : { Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Escape, Qt::Key_Return, Qt::Key_Enter }) {
            QTest::keyClick(QApplication::focusWidget(), key);
            QVERIFY2(about->isVisible(), qPrintable(QKeySequence(key).toString()));
            QCOMPARE(QApplication::focusWidget(), ok);
        }
        QTest::keyClick(ok, Qt::Key_Space);
        QVERIFY(!about->isVisible());
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
        UrlCatcher desktop({ "http", "https", "mailto" });
        QList<bool> shownWhenOpened;
        desktop.onOpen = [&] { shownWhenOpened.append(about->isVisible()); };
        QCOMPARE(control(link.toLatin1())->cursor().shape(), Qt::PointingHandCursor);

        QTest::mouseClick(control(link.toLatin1()), Qt::LeftButton);
        QCOMPARE(desktop.urls, QStringList { expected });
        QCOMPARE(shownWhenOpened, QList<bool> { false });

        // And again after the window is shown anew: the same text, once.
        QCOMPARE(openAbout(), about);
        QTest::mouseClick(control(link.toLatin1()), Qt::LeftButton);
        QCOMPARE(desktop.urls, QStringList(2, expected));
    }

    void theVersionAndTheBackgroundDoNothingOnClick()
    {
        ui::About* about = openAbout();
        QVERIFY(about);
        UrlCatcher desktop({ "http", "https", "mailto" });
        QCOMPARE(control("Label1")->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseClick(control("Label1"), Qt::LeftButton);
        QTest::mouseClick(about, Qt::LeftButton, {}, QPoint(130, 100));
        QVERIFY(about->isVisible());
        QVERIFY(desktop.urls.isEmpty());
    }

    // No handler for the scheme here: the desktop fails, and says nothing.
    void aDesktopThatCannotOpenTheLinkChangesNothingElse()
    {
        window_->findChild<QLineEdit*>("Diameter")->setText("4");
        for (const char* link : { "Visit", "Contact" }) {
            ui::About* about = openAbout();
            QVERIFY(about);
            QTest::mouseClick(control(link), Qt::LeftButton);
            QVERIFY(!about->isVisible());
        }
        QWidgetList shown;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible())
                shown.append(widget);
        }
        QCOMPARE(shown, QWidgetList { window_.get() });
        QCOMPARE(window_->findChild<QLineEdit*>("Diameter")->text(), "4");
    }

    void theMainWindowStaysUsableBesideIt()
    {
        QVERIFY(openAbout());
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
        window_->activateWindow();
        QTRY_VERIFY(window_->isActiveWindow());
        QTest::keyClicks(window_->findChild<QLineEdit*>("Diameter"), "4");
        QCOMPARE(window_->findChild<QLineEdit*>("Diameter")->text(), "4");
        QVERIFY(ui::program::About->isVisible());
    }

    void textStandsOutFromTheBackground()
    {
        QVERIFY(openAbout());
        for (const char* name : { "Visit", "Contact", "Label1" }) {
            QVERIFY2(control(name)->autoFillBackground(), name);
            QCOMPARE(control(name)->palette().color(QPalette::Window), ui::aboutBackground());
            const double ratio = testing_support::textContrast(control(name));
            QVERIFY2(ratio >= 4.5, qPrintable(QString("%1: %2").arg(name).arg(ratio)));
        }
    }

    void theVersionStaysReadableUnderADarkScheme()
    {
        const testing_support::SchemeColour dark(QPalette::WindowText, QColor(230, 230, 230));
        ui::About about;
        QVERIFY(testing_support::textContrast(about.findChild<QLabel*>("Label1")) >= 4.5);
    }
};

LUDRIX_WINDOW_TEST_MAIN(AboutWindowTest)

#include "about_window_test.moc"
