// The main window driven as a user drives it: keys, clicks, pastes and picks
// from the unit lists. The arithmetic is the core tests' business; here each
// button and list is shown to be bound to its own work, and the window to
// draw what it holds.
#include <QAbstractItemView>
#include <QAccessible>
#include <QClipboard>
#include <QComboBox>
#include <QFontInfo>
#include <QLineEdit>
#include <QProxyStyle>
#include <QScopeGuard>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QWheelEvent>
#include <cmath>
#include <numbers>

#include "calc/calculator.h"
#include "calc/unit_sizes.h"
#include "ui/about/about.h"
#include "window_test_support.h"

namespace {

using testing_support::local;
using namespace calc::sizes;

// A desktop whose icon theme puts icons on dialog buttons, as many do.
class IconsOnDialogButtons final : public QProxyStyle {
public:
    IconsOnDialogButtons()
        : QProxyStyle(QStringLiteral("Fusion"))
    {
    }
    int styleHint(
        StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* out) const override
    {
        return hint == SH_DialogButtonBox_ButtonsHaveIcons ? 1 : QProxyStyle::styleHint(hint, option, widget, out);
    }
};

// How close two pictures of one size are, in dB: higher is closer.
double peakSignalToNoise(const QImage& a, const QImage& b)
{
    double squares = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QColor p = a.pixelColor(x, y);
            const QColor q = b.pixelColor(x, y);
            squares += std::pow(p.red() - q.red(), 2) + std::pow(p.green() - q.green(), 2)
                + std::pow(p.blue() - q.blue(), 2);
        }
    }
    return 10 * std::log10(255.0 * 255.0 * 3 * a.width() * a.height() / squares);
}

double number(const QString& text)
{
    bool ok = false;
    const double value = QLocale::system().toDouble(text, &ok);
    return ok ? value : std::nan("");
}

} // namespace

class MainWindowTest : public testing_support::MainWindowFixture {
    Q_OBJECT

private:
    template <class Widget = QWidget> Widget* control(const char* name) const
    {
        return window_->findChild<Widget*>(QString::fromLatin1(name));
    }
    QLineEdit* box(const char* name) const { return control<QLineEdit>(name); }
    QComboBox* list(const char* name) const { return control<QComboBox>(name); }

    // Opens the list, moves to the entry and presses Enter, as a keyboard
    // user picks a unit: one pick, however far the entry is from the one shown.
    void pick(const char* name, const QString& unit) const
    {
        QComboBox* unitList = list(name);
        const int position = unitList->findText(unit);
        QVERIFY2(position >= 0, qPrintable(unit));
        unitList->showPopup();
        QTRY_VERIFY(unitList->view()->isVisible());
        unitList->view()->setCurrentIndex(unitList->model()->index(position, 0));
        QTest::keyClick(unitList->view(), Qt::Key_Return);
        QTRY_VERIFY(!unitList->view()->isVisible());
    }

    // Replaces the text of a box, or of a unit list's field, from the keyboard.
    static void type(QWidget* field, const QString& text)
    {
        field->setFocus();
        auto* list = qobject_cast<QComboBox*>(field);
        (list ? list->lineEdit() : qobject_cast<QLineEdit*>(field))->selectAll();
        QTest::keyClick(field, Qt::Key_Delete);
        // QTest knows the keys of Latin-1 only; other letters come as the
        // text of a key it need not know.
        for (const QChar c : text)
            QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }

    void paste(const char* name, const QString& text) const
    {
        box(name)->setFocus();
        box(name)->selectAll();
        QApplication::clipboard()->setText(text);
        QTest::keyClick(box(name), Qt::Key_V, Qt::ControlModifier);
    }

    // The position of the character drawn at the field's left edge: 0 when
    // the text is shown from its start.
    static int drawnFrom(QLineEdit* field)
    {
        field->grab(); // lays the text out as it is drawn
        return field->cursorPositionAt(field->contentsRect().topLeft());
    }

    static QString focusedControl()
    {
        QWidget* focused = QApplication::focusWidget();
        if (focused && qobject_cast<QComboBox*>(focused->parentWidget()))
            focused = focused->parentWidget();
        return focused ? focused->objectName() : QString();
    }

private slots:
    void initTestCase() { testing_support::quietOffscreenPlatform(); }

    void init() { openMainWindow(); }

    void cleanup() { closeMainWindow(); }

    void startsInTheDiameterAndTabWalksTheControlsInOrder()
    {
        QStringList walked { focusedControl() };
        for (int i = 0; i < 10; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walked << focusedControl();
        }
        QCOMPARE(walked,
            QStringList({ "Diameter", "DiaUnit", "Velocity", "VelUnit", "Flowrate", "FlowUnit", "Calculate", "Reset",
                "Endin", "AboutUs", "Diameter" }));
    }

    // Also run at 125 %, 150 % and 200 %, and under a desktop that asks for
    // a dark style of its own (tests/ui/CMakeLists.txt).
    void layoutKeepsEveryControlWholeAndApartWhateverTheDesktopAsksFor()
    {
        const QString asked = qEnvironmentVariable("QT_STYLE_OVERRIDE");
        QVERIFY2(asked.isEmpty() || QStyleFactory::keys().contains(asked, Qt::CaseInsensitive), qPrintable(asked));
        // The style the captions were measured with, in the desktop's colours.
        QCOMPARE(QApplication::style()->name(), "fusion");
        if (!asked.isEmpty()) {
            const std::unique_ptr<QStyle> desktopStyle(QStyleFactory::create(asked));
            QCOMPARE(box("Diameter")->palette().color(QPalette::Base),
                desktopStyle->standardPalette().color(QPalette::Base));
        }
        QCOMPARE(window_->windowTitle(), "Ludrix");
        QCOMPARE(window_->minimumSize(), QSize(368, 237));
        QCOMPARE(window_->maximumSize(), QSize(368, 237));
        QCOMPARE(window_->windowFlags() & (Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint),
            Qt::WindowCloseButtonHint);
        QVERIFY(
            (window_->geometry().center() - window_->screen()->availableGeometry().center()).manhattanLength() <= 2);
        QCOMPARE(button("Calculate")->geometry(), QRect(272, 160, 89, 21));
        testing_support::checkLayout(window_.get());
        for (auto* unitList : window_->findChildren<QComboBox*>()) {
            // The arrow has its place, and something is drawn there.
            QStyleOptionComboBox option;
            option.initFrom(unitList);
            option.editable = true;
            const QRect arrow
                = unitList->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, unitList);
            QVERIFY2(!arrow.isEmpty() && unitList->rect().contains(arrow), qPrintable(unitList->objectName()));
            const QImage drawn = unitList->grab().toImage().copy(arrow);
            QVERIFY(drawn.pixelColor(0, 0) != drawn.pixelColor(arrow.width() / 2, arrow.height() / 2));
            // Nor is the foot of the unit's line of text cut off.
            const QLineEdit* field = unitList->lineEdit();
            QVERIFY(field->rect().contains(field->inputMethodQuery(Qt::ImCursorRectangle).toRect()));
        }
    }

    // The pictures keep their size at any scale, have as many pixels as the
    // screen shows there, and are drawn for it, far from an enlargement.
    void picturesShowTheirImagesAtNaturalSize()
    {
        const qreal ratio = window_->devicePixelRatioF();
        for (const auto& [name, image] : { std::pair { "Image2", "logo" }, { "Image1", "banner" } }) {
            const QPixmap shown = control<QLabel>(name)->pixmap();
            const QImage natural(QString(":/images/%1.png").arg(image));
            QCOMPARE(shown.deviceIndependentSize().toSize(), natural.size());
            QCOMPARE(shown.devicePixelRatio(), ratio);
            const QImage enlarged = natural.scaled(shown.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            QVERIFY2(ratio == 1 || peakSignalToNoise(shown.toImage(), enlarged) < 30, name);
        }
    }

    void eachListReexpressesItsOwnBoxByTheTrueRatio_data()
    {
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("listName");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<double>("within");

        // clang-format off
        QTest::newRow("diameter") << "Diameter" << "DiaUnit" << "inches" << "mm" << "1,000" << double(Inch) / Millimetre << 1e-12;
        QTest::newRow("velocity") << "Velocity" << "VelUnit" << "m/sec" << "ft/sec" << "1,000" << double(Metre) / Foot << 1e-9;
        // Flow units change through the published factors, a few digits long.
        QTest::newRow("flow") << "Flowrate" << "FlowUnit" << "cubic meter/hour" << "liter/second" << "1,000"
                              << double(CubicMeter * PerHour) / double(Liter * PerSecond) << 1e-4;
        // Picking the unit shown counts too: the box is written afresh.
        QTest::newRow("unit picked again") << "Velocity" << "VelUnit" << "m/sec" << "m/sec" << "2.50" << 1.0 << 0.0;
        // clang-format on
    }

    void eachListReexpressesItsOwnBoxByTheTrueRatio()
    {
        QFETCH(QString, boxName);
        QFETCH(QString, listName);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(QString, typed);
        QFETCH(double, ratio);
        QFETCH(double, within);

        QLineEdit* field = box(qPrintable(boxName));
        pick(qPrintable(listName), from);
        type(field, local(typed));
        const double before = number(field->text());
        pick(qPrintable(listName), to);
        QVERIFY(field->text() != local(typed));
        QVERIFY2(std::fabs(number(field->text()) / (before * ratio) - 1) <= within, qPrintable(field->text()));
        QCOMPARE(list(qPrintable(listName))->lineEdit()->text(), to);
        QCOMPARE(drawnFrom(list(qPrintable(listName))->lineEdit()), 0);
    }

    // A result wider than its box is shown from its first digit, not its tail.
    void calculateWritesTheMissingValueFromItsFirstDigit()
    {
        pick("FlowUnit", "cubic meter/hour");
        pick("VelUnit", "m/sec");
        type(box("Diameter"), local("1234"));
        type(box("Velocity"), local("2"));
        QTest::mouseClick(button("Calculate"), Qt::LeftButton);
        const double metres = 1234 * double(Inch) / Metre;
        const double truth = std::numbers::pi / 4 * metres * metres * 2 * 3600;
        QVERIFY2(std::fabs(number(box("Flowrate")->text()) / truth - 1) < 1e-3, qPrintable(box("Flowrate")->text()));
        QVERIFY(QFontMetrics(box("Flowrate")->font()).horizontalAdvance(box("Flowrate")->text())
            > box("Flowrate")->width());
        QCOMPARE(drawnFrom(box("Flowrate")), 0);
        QCOMPARE(box("Diameter")->text(), local("1234"));
        QCOMPARE(box("Velocity")->text(), local("2"));
    }

    void resetEmptiesEveryBoxAndKeepsTheUnits()
    {
        pick("DiaUnit", "mm");
        for (const char* name : { "Diameter", "Velocity", "Flowrate" })
            type(box(name), local("25.4"));
        // Leaving a box ends its undo history, which would grow all session.
        QTest::keyClick(box("Flowrate"), Qt::Key_Tab);
        QVERIFY(!box("Flowrate")->isUndoAvailable());
        QTest::mouseClick(button("Reset Values"), Qt::LeftButton);
        for (const char* name : { "Diameter", "Velocity", "Flowrate" })
            QCOMPARE(box(name)->text(), QString());
        // The diameter is still read in mm.
        type(box("Diameter"), local("25.4"));
        pick("DiaUnit", "inches");
        QCOMPARE(box("Diameter")->text(), local("1"));
    }

    void noticesComeOnceInTheirPlainFormAndChangeNothing_data()
    {
        QTest::addColumn<QString>("velocity");
        QTest::addColumn<QString>("velUnitPick");
        QTest::addColumn<QString>("unitAfter");
        QTest::addColumn<QString>("expected");

        // clang-format off
        QTest::newRow("nothing typed") << "" << "" << "m/sec" << QString::fromUtf8(calc::NeedTwoValuesNotice.data());
        QTest::newRow("letters on a unit change") << "abc" << "cm/sec" << "cm/sec" << QString::fromUtf8(calc::NumericOnlyNotice.data());
        // A pick that fails in the arithmetic leaves its list at the unit
        // the number is in.
        QTest::newRow("overflow on a unit change") << "1.7e308" << "inches/sec" << "m/sec" << calc::ArithmeticError(calc::ArithmeticError::Kind::Overflow).what();
        // clang-format on
    }

    void noticesComeOnceInTheirPlainFormAndChangeNothing()
    {
        QFETCH(QString, velocity);
        QFETCH(QString, velUnitPick);
        QFETCH(QString, unitAfter);
        QFETCH(QString, expected);

        // Only here: setting a style resets the colours the window kept from
        // the desktop's, which other tests look at.
        const QPalette colours = QApplication::palette();
        QApplication::setStyle(new IconsOnDialogButtons);
        const auto restore = qScopeGuard([&] {
            QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
            QApplication::setPalette(colours);
        });
        pick("VelUnit", "m/sec");
        type(box("Velocity"), local(velocity));
        if (velUnitPick.isEmpty())
            QTest::mouseClick(button("Calculate"), Qt::LeftButton);
        else
            pick("VelUnit", velUnitPick);

        const QList<testing_support::Notice> shown = std::exchange(notices_->notices, {});
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].caption, "Ludrix");
        QCOMPARE(shown[0].text, expected);
        QCOMPARE(shown[0].buttons, QMessageBox::Ok);
        QCOMPARE(shown[0].icon, QMessageBox::NoIcon);
        QVERIFY(!shown[0].buttonIcon);
        QCOMPARE(box("Velocity")->text(), local(velocity));
        QCOMPARE(list("VelUnit")->lineEdit()->text(), unitAfter);
        QCOMPARE(list("VelUnit")->currentText(), unitAfter);
    }

    // Only what the window itself does to a paste: the box holds what a line
    // edit can, control characters and all, and its number is read as such.
    void pastedTextIsHeldAsTheWindowGotIt()
    {
        paste("Diameter", QString(1 << 20, u'9'));
        QCOMPARE(box("Diameter")->text(), QString(32767, u'9'));
        paste("Velocity", "4\x01\x1b\x7f");
        QCOMPARE(box("Velocity")->text(), "4\x01\x1b\x7f");
        pick("VelUnit", "ft/sec");
        QCOMPARE(std::exchange(notices_->notices, {}).value(0).text, QString::fromUtf8(calc::NumericOnlyNotice.data()));
    }

    // A typed unit text must never stand beside a value read in another unit.
    void typedUnitTextGivesWayToTheUnitInForce_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("tab") << int(Qt::Key_Tab);
        QTest::newRow("return") << int(Qt::Key_Return);
        QTest::newRow("click on Calculate") << 0;
    }

    void typedUnitTextGivesWayToTheUnitInForce()
    {
        QFETCH(int, key);
        type(box("Diameter"), local("25.4"));
        type(list("DiaUnit"), "mm");
        if (key)
            QTest::keyClick(list("DiaUnit"), Qt::Key(key));
        QTest::mouseClick(button("Calculate"), Qt::LeftButton);
        std::exchange(notices_->notices, {});
        QCOMPARE(list("DiaUnit")->lineEdit()->text(), "inches");
        QCOMPARE(list("DiaUnit")->count(), 2);
    }

    void theWheelPicksOnlyInTheListWithTheFocus()
    {
        QComboBox* flowUnit = list("FlowUnit");
        type(box("Flowrate"), "1");
        // One notch down, sent where a notch over the field ends up. Sent
        // from here, it neither gives the focus nor goes on to the parent as
        // the desktop's does; hence the focus policy is asked for directly.
        const auto roll = [flowUnit] {
            const QPointF at = flowUnit->rect().center();
            QWheelEvent notch(
                at, flowUnit->mapToGlobal(at), {}, { 0, -120 }, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(flowUnit, &notch);
        };
        QVERIFY((flowUnit->focusPolicy() & Qt::WheelFocus) != Qt::WheelFocus);
        box("Diameter")->setFocus();
        roll();
        QCOMPARE(flowUnit->lineEdit()->text(), "cubic feet/sec");
        QCOMPARE(box("Flowrate")->text(), "1");
        flowUnit->setFocus();
        roll();
        QCOMPARE(flowUnit->lineEdit()->text(), "cubic feet/minute");
    }

    void openListsShowEveryEntryWhole()
    {
        for (auto* unitList : window_->findChildren<QComboBox*>()) {
            unitList->showPopup();
            QAbstractItemView* view = unitList->view();
            QTRY_VERIFY(view->isVisible());
            for (int i = 0; i < unitList->count(); ++i)
                QVERIFY(view->viewport()->width() >= view->sizeHintForIndex(unitList->model()->index(i, 0)).width());
            QVERIFY(unitList->screen()->geometry().contains(view->window()->geometry()));
            unitList->hidePopup();
        }
    }

    void bannerHandsTheMakersAddressToTheDesktopOncePerClick()
    {
        testing_support::UrlCatcher desktop;
        QCOMPARE(control("Image1")->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(control("Image2")->cursor().shape(), Qt::ArrowCursor);
        QTest::mouseClick(control("Image1"), Qt::LeftButton);
        QTest::mouseClick(control("Image1"), Qt::LeftButton);
        QTest::mouseClick(control("Image2"), Qt::LeftButton);
        QCOMPARE(desktop.urls, QStringList(2, "https://www.northfall.example"));
    }

    // Read through the accessible interfaces, which is what the bridge hands
    // a screen reader; the widgets' own properties may never reach it.
    void controlsReadOutWhatTheyAreFor()
    {
        // clang-format off
        const QList<std::tuple<const char*, const char*, const char*>> readOut {
            { "Diameter", "Key in the inside diameter", "Inside Diameter" },
            { "Velocity", "key in the velocity", "Velocity" },
            { "Flowrate", "Key in the flow rate", "Volumetric Flowrate" },
            { "DiaUnit", "Select Diameter Unit", nullptr },
            { "VelUnit", "Select Velocity Unit", nullptr },
            { "FlowUnit", "Select Flow Rate Unit", nullptr },
        };
        // clang-format on
        QStringList withTips;
        for (const auto& [name, toolTip, caption] : readOut) {
            withTips << name;
            QCOMPARE(control(name)->toolTip(), toolTip);
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control(name));
            if (caption) {
                const auto labels = accessible->relations(QAccessible::Label);
                QVERIFY2(labels.size() == 1 && labels[0].first->text(QAccessible::Name) == caption, name);
                continue;
            }
            // Each unit read out with its definition, the open list's tip.
            QAccessibleInterface* entries = accessible->child(0);
            QCOMPARE(entries->childCount(), list(name)->count());
            for (int i = 0; i < list(name)->count(); ++i) {
                const QString definition = list(name)->itemData(i, Qt::ToolTipRole).toString();
                QCOMPARE(entries->child(i)->text(QAccessible::Name), list(name)->itemText(i));
                QVERIFY(!definition.isEmpty());
                QCOMPARE(entries->child(i)->text(QAccessible::Description), definition);
            }
        }
        QCOMPARE(list("DiaUnit")->itemData(0, Qt::ToolTipRole).toString(), local("inch: 25.4 mm = 0.0254 m"));
        for (QWidget* widget : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            QVERIFY2(withTips.contains(widget->objectName()) || widget->toolTip().isEmpty(),
                qPrintable(widget->objectName()));
    }

    void captionsAndInstructionsStandOutFromTheBackground()
    {
        for (const char* name : { "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7" })
            QVERIFY2(testing_support::textContrast(control(name)) >= 4.5, name);
        // Also where the desktop's highlighted text is dark.
        const testing_support::SchemeColour dark(QPalette::HighlightedText, QColor(40, 40, 40));
        ui::Ludrix window;
        QVERIFY(testing_support::textContrast(window.findChild<QLabel*>("Label4")) >= 4.5);
    }

    void focusStandsOutInEveryScheme_data()
    {
        QTest::addColumn<QPalette>("scheme");
        QTest::newRow("default") << QApplication::palette();
        QTest::newRow("light") << QPalette(Qt::white);
        QTest::newRow("dark") << QPalette(QColor(53, 53, 53));
    }

    // Across each side of the focused control: the window, the two pixels of
    // its edge, and its face. The outer pixel must stand out from the window
    // and the inner one from the face.
    void focusStandsOutInEveryScheme()
    {
        QFETCH(QPalette, scheme);
        const testing_support::SchemeColour colours(scheme);
        ui::Ludrix main;
        ui::About about;
        QWidgetList controls { about.findChild<QPushButton*>("OK") };
        for (QWidget* widget : main.findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (widget->focusPolicy() != Qt::NoFocus)
                controls << widget;
        }
        for (QWidget* focused : controls) {
            QWidget* window = focused->window();
            window->show();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            focused->setFocus(Qt::TabFocusReason);
            const QImage shot = window->grab().toImage();
            const QRect edge = focused->geometry();
            const QPoint middle = edge.center();
            const std::pair<QPoint, QPoint> sides[] = { { { edge.left(), middle.y() }, { 1, 0 } },
                { { edge.right(), middle.y() }, { -1, 0 } }, { { edge.left() + 3, edge.top() }, { 0, 1 } },
                { { edge.left() + 3, edge.bottom() }, { 0, -1 } } };
            for (const auto& [at, inwards] : sides) {
                const auto colour = [&](int step) { return shot.pixelColor(at + step * inwards); };
                QVERIFY2(ui::contrastRatio(colour(0), colour(-1)) >= 3 && ui::contrastRatio(colour(1), colour(2)) >= 3,
                    qPrintable(focused->objectName()));
            }
        }
    }
};

// Test functions named on the command line are the main window's; without
// any, the About window's run as well.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    MainWindowTest mainWindow;
    const std::unique_ptr<QObject> aboutWindow = testing_support::aboutWindowTest();
    const int failed = QTest::qExec(&mainWindow, argc, argv);
    return argc > 1 ? failed : failed + QTest::qExec(aboutWindow.get(), argc, argv);
}

#include "main_window_test.moc"
