// The main window driven as a user drives it: keys, clicks and picks from the
// unit lists, with what the window then shows asserted.
#include <QAbstractItemView>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QProxyStyle>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QStyleFactory>
#include <QStyleOptionComboBox>
#include <QTest>
#include <QWheelEvent>
#include <cmath>
#include <memory>

#include "calc/calculator.h"
#include "calc/unit_definitions.h"
#include "calc/units.h"
#include "ui/about/about.h"
#include "ui/common/layout.h"
#include "ui/main/ludrix.h"
#include "ui/main/main_window_layout.h"
#include "window_test_support.h"

namespace {

using testing_support::local;
using testing_support::Notice;
using testing_support::UrlCatcher;

// A desktop whose icon theme puts icons on dialog buttons, as many do.
class IconsOnDialogButtons final : public QProxyStyle {
public:
    IconsOnDialogButtons()
        : QProxyStyle(QStringLiteral("Fusion"))
    {
    }
    int styleHint(
        StyleHint hint, const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returned) const override
    {
        if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
            return 1;
        return QProxyStyle::styleHint(hint, option, widget, returned);
    }
};

QString unitText(std::string_view unit)
{
    return QString::fromUtf8(unit.data(), qsizetype(unit.size()));
}

QImage enlarged(const QImage& picture, QSize size)
{
    return picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

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
    QPushButton* button(const char* name) const { return control<QPushButton>(name); }

    static void pick(QComboBox* list, const QString& unit) { testing_support::pick(list, unit); }

    // Replaces the text of a box, or of a unit list's field, from the keyboard.
    static void type(QWidget* field, const QString& text)
    {
        field->setFocus();
        if (auto* list = qobject_cast<QComboBox*>(field))
            list->lineEdit()->selectAll();
        else
            qobject_cast<QLineEdit*>(field)->selectAll();
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        for (const QChar c : text) {
            // QTest knows the keys of Latin-1 only; other letters come as
            // the text of a key it need not know.
            if (c.unicode() < 0x100)
                QTest::keyClick(field, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }

    // The position of the character drawn at the field's left edge: 0 when
    // the text is shown from its start.
    static int drawnFrom(QLineEdit* field)
    {
        field->grab(); // lays the text out as it is drawn
        return field->cursorPositionAt(field->contentsRect().topLeft());
    }

    QString focusedControl() const
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

    void startsEmptyWithTheFirstUnitsAndNothingElseOpen()
    {
        for (const char* name : { "Diameter", "Velocity", "Flowrate" })
            QCOMPARE(box(name)->text(), QString());
        QCOMPARE(list("DiaUnit")->lineEdit()->text(), "inches");
        QCOMPARE(list("VelUnit")->lineEdit()->text(), "inches/sec");
        QCOMPARE(list("FlowUnit")->lineEdit()->text(), "cubic feet/sec");
        QCOMPARE(list("DiaUnit")->count(), int(calc::DiameterUnits.size()));
        QCOMPARE(list("VelUnit")->count(), int(calc::VelocityUnits.size()));
        QCOMPARE(list("FlowUnit")->count(), int(calc::FlowUnits.size()));
        for (int i = 0; i < int(calc::FlowUnits.size()); ++i)
            QCOMPARE(list("FlowUnit")->itemText(i), unitText(calc::FlowUnits[std::size_t(i)]));
        QCOMPARE(focusedControl(), "Diameter");

        QWidgetList shown;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (widget->isVisible())
                shown.append(widget);
        }
        QCOMPARE(shown, QWidgetList { window_.get() });
    }

    void windowHasAFixedCentredFrameWithCloseButtonOnly()
    {
        QCOMPARE(window_->windowTitle(), "Ludrix");
        QCOMPARE(window_->minimumSize(), QSize(368, 237));
        QCOMPARE(window_->maximumSize(), QSize(368, 237));
        const Qt::WindowFlags flags = window_->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QCOMPARE(window_->windowIcon().pixmap(72, 72).size(), QSize(72, 72));
        const QPoint offCentre = window_->geometry().center() - window_->screen()->availableGeometry().center();
        QVERIFY2(offCentre.manhattanLength() <= 2, qPrintable(QString::number(offCentre.manhattanLength())));
    }

    // Also run at 125 %, 150 % and 200 %: the pictures keep their size, have
    // as many pixels as the screen shows there, and are drawn for it, far from
    // an enlargement of the 1x picture.
    void picturesShowTheirImagesAtNaturalSize()
    {
        const qreal ratio = window_->devicePixelRatioF();
        for (const auto& [name, image] : { std::pair { "Image2", "logo" }, { "Image1", "banner" } }) {
            const QPixmap shown = control<QLabel>(name)->pixmap();
            const QImage natural(QString(":/images/%1.png").arg(image));
            QCOMPARE(shown.deviceIndependentSize().toSize(), natural.size());
            QCOMPARE(shown.devicePixelRatio(), ratio);
            if (ratio > 1)
                QVERIFY2(peakSignalToNoise(shown.toImage(), enlarged(natural, shown.size())) < 30, name);
        }
        for (const char* image : { ":/images/ludrix.png", ":/images/logo.png", ":/images/banner.png" }) {
            const QImage loaded(QString::fromLatin1(image));
            const QImage drawnTwice(QString::fromLatin1(image).replace(".png", "@2x.png"));
            QVERIFY2(!loaded.isNull() && !loaded.hasAlphaChannel() && !loaded.isGrayscale(), image);
            QCOMPARE(drawnTwice.size(), loaded.size() * 2);
            QVERIFY2(peakSignalToNoise(drawnTwice, enlarged(loaded, drawnTwice.size())) < 30, image);
        }
    }

    void tabWalksTheControlsInOrderAndWrapsAround()
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

    void toolTipsOnlyOnBoxesAndLists()
    {
        const QHash<QString, QString> expected {
            { "Diameter", "Key in the inside diameter" },
            { "Velocity", "key in the velocity" },
            { "Flowrate", "Key in the flow rate" },
            { "DiaUnit", "Select Diameter Unit" },
            { "VelUnit", "Select Velocity Unit" },
            { "FlowUnit", "Select Flow Rate Unit" },
        };
        for (const ui::Control& row : ui::MainWindowControls) {
            QWidget* widget = control(row.name);
            QVERIFY2(widget, row.name);
            QCOMPARE(widget->toolTip(), expected.value(QString::fromLatin1(row.name)));
        }
    }

    // Read through the accessible interfaces, which is what the bridge hands
    // a screen reader; the widgets' own properties may never reach it.
    void controlsReadOutWhatTheyAreFor()
    {
        const QHash<QString, QString> captions { { "Diameter", "Label1" }, { "Velocity", "Label2" },
            { "Flowrate", "Label3" } };
        const QHash<QString, calc::UnitList> lists { { "DiaUnit", calc::UnitList::DiaUnit },
            { "VelUnit", calc::UnitList::VelUnit }, { "FlowUnit", calc::UnitList::FlowUnit } };
        const QLocale locale = QLocale::system();
        const calc::NumberFormat format { locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString(),
            locale.negativeSign().toStdString() };
        for (const ui::Control& row : ui::MainWindowControls) {
            QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control(row.name));
            QCOMPARE(accessible->text(QAccessible::Name), QString::fromUtf8(row.accessibleName));
            if (captions.contains(row.name)) {
                const auto labels = accessible->relations(QAccessible::Label);
                QVERIFY2(labels.size() == 1 && labels[0].first->object() == control(qPrintable(captions[row.name])),
                    row.name);
            }
            if (!lists.contains(row.name))
                continue;
            auto* unitList = list(row.name);
            unitList->setCurrentIndex(1);
            QCOMPARE(accessible->text(QAccessible::Value), unitList->itemText(1));
            QCOMPARE(accessible->child(1)->text(QAccessible::Name), QString::fromUtf8(row.accessibleName));
            QAccessibleInterface* entries = accessible->child(0);
            QCOMPARE(entries->childCount(), unitList->count());
            for (int i = 0; i < unitList->count(); ++i) {
                const QString definition = QString::fromStdString(calc::unitDefinition(lists[row.name], i, format));
                QCOMPARE(entries->child(i)->text(QAccessible::Name), unitList->itemText(i));
                QCOMPARE(entries->child(i)->text(QAccessible::Description), definition);
                QCOMPARE(unitList->itemData(i, Qt::ToolTipRole).toString(), definition);
            }
        }
    }

    void calculatesTheThirdValue_data()
    {
        // clang-format off
        QTest::addColumn<QString>("diaUnit");
        QTest::addColumn<QString>("velUnit");
        QTest::addColumn<QString>("flowUnit");
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("velocity");
        QTest::addColumn<QString>("flowrate");
        QTest::addColumn<QString>("computed");
        QTest::addColumn<QString>("expected");

        QTest::newRow("flow in cubic feet/sec") << "inches" << "m/sec" << "cubic feet/sec" << "4" << "2" << "" << "Flowrate" << "0.57254843";
        QTest::newRow("flow in cubic meter/hour") << "inches" << "m/sec" << "cubic meter/hour" << "4" << "2" << "" << "Flowrate" << "58.36375424";
        QTest::newRow("velocity in ft/sec") << "inches" << "ft/sec" << "cubic meter/hour" << "4" << "10" << "" << "Flowrate" << "88.94636146";
        QTest::newRow("negative velocity, wider than the box") << "inches" << "m/sec" << "cubic meter/hour" << "1234" << "-2" << "" << "Flowrate" << "-5554609.80946784";
        QTest::newRow("diameter in mm") << "mm" << "m/sec" << "cubic meter/hour" << "" << "2" << "58.36375424" << "Diameter" << "101.6";
        QTest::newRow("diameter in inches, letters replaced") << "inches" << "m/sec" << "cubic meter/hour" << "abc" << "2" << "58.36375424" << "Diameter" << "4";
        QTest::newRow("velocity, typed spaces kept") << "mm" << "m/sec" << "cubic meter/hour" << " 100.00000000000 " << "" << "10" << "Velocity" << "0.35373187";
        // clang-format on
    }

    void calculatesTheThirdValue()
    {
        QFETCH(QString, diaUnit);
        QFETCH(QString, velUnit);
        QFETCH(QString, flowUnit);
        QFETCH(QString, diameter);
        QFETCH(QString, velocity);
        QFETCH(QString, flowrate);
        QFETCH(QString, computed);
        QFETCH(QString, expected);

        pick(list("DiaUnit"), diaUnit);
        pick(list("VelUnit"), velUnit);
        pick(list("FlowUnit"), flowUnit);
        type(box("Diameter"), local(diameter));
        type(box("Velocity"), local(velocity));
        type(box("Flowrate"), local(flowrate));
        QTest::mouseClick(button("Calculate"), Qt::LeftButton);

        QCOMPARE(box(computed.toLatin1())->text(), local(expected));
        const QHash<QString, QString> typed { { "Diameter", diameter }, { "Velocity", velocity },
            { "Flowrate", flowrate } };
        for (auto it = typed.begin(); it != typed.end(); ++it) {
            if (it.key() != computed)
                QCOMPARE(box(it.key().toLatin1())->text(), local(it.value()));
            QCOMPARE(drawnFrom(box(it.key().toLatin1())), 0);
        }
    }

    void pickingAUnitReexpressesTheBox_data()
    {
        // clang-format off
        QTest::addColumn<QString>("boxName");
        QTest::addColumn<QString>("listName");
        QTest::addColumn<QString>("startUnit");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QStringList>("picks");
        QTest::addColumn<QStringList>("shown");

        QTest::newRow("diameter there and back") << "Diameter" << "DiaUnit" << "inches" << "12345.6789012" << QStringList { "mm", "inches" } << QStringList { "313580.24409048", "12345.6789012" };
        QTest::newRow("diameter unit picked again") << "Diameter" << "DiaUnit" << "inches" << "4" << QStringList { "inches", "mm", "mm" } << QStringList { "4", "101.6", "101.6" };
        QTest::newRow("velocity there and back") << "Velocity" << "VelUnit" << "m/sec" << "2" << QStringList { "ft/sec", "m/sec" } << QStringList { "6.56167979", "2" };
        QTest::newRow("velocity unit picked again") << "Velocity" << "VelUnit" << "m/sec" << "2.50" << QStringList { "m/sec" } << QStringList { "2.5" };
        QTest::newRow("flow there and back") << "Flowrate" << "FlowUnit" << "cubic meter/hour" << "1" << QStringList { "liter/second", "cubic meter/hour" } << QStringList { "0.27778", "1.000008" };
        // Units far apart in size, where a factor rounded to a few places was
        // up to 29 % off the true value.
        QTest::newRow("gallons a day into cubic feet a second") << "Flowrate" << "FlowUnit" << "US gallon/day" << "1000000" << QStringList { "cubic feet/sec" } << QStringList { "1.54722865226337" };
        QTest::newRow("barrels a day into cubic meters a second") << "Flowrate" << "FlowUnit" << "US Liquid Barrels/day" << "250" << QStringList { "cubic meter/sec" } << QStringList { "0.0003450245115625" };
        QTest::newRow("liters an hour into UK barrels a second") << "Flowrate" << "FlowUnit" << "liter/hr" << "5000" << QStringList { "UK Barrels/sec" } << QStringList { "0.00848646791277345" };
        QTest::newRow("liters a day into cubic meters a second") << "Flowrate" << "FlowUnit" << "liter/day" << "100000000" << QStringList { "cubic meter/sec" } << QStringList { "1.15740740740741" };
        QTest::newRow("empty box only records, a long name") << "Flowrate" << "FlowUnit" << "cubic meter/hour" << "" << QStringList { "US Federal Barrels/minute" } << QStringList { "" };
        // clang-format on
    }

    void pickingAUnitReexpressesTheBox()
    {
        QFETCH(QString, boxName);
        QFETCH(QString, listName);
        QFETCH(QString, startUnit);
        QFETCH(QString, typed);
        QFETCH(QStringList, picks);
        QFETCH(QStringList, shown);

        QComboBox* unitList = list(listName.toLatin1());
        pick(unitList, startUnit);
        type(box(boxName.toLatin1()), local(typed));
        for (qsizetype i = 0; i < picks.size(); ++i) {
            pick(unitList, picks[i]);
            QCOMPARE(unitList->lineEdit()->text(), picks[i]);
            QCOMPARE(box(boxName.toLatin1())->text(), local(shown[i]));
            QCOMPARE(drawnFrom(unitList->lineEdit()), 0);
            QCOMPARE(drawnFrom(box(boxName.toLatin1())), 0);
        }
    }

    // Each arrow key re-expresses the value by one factor; down the whole flow
    // list and back, only the published factors into and out of the base unit
    // keep it from returning exactly.
    void steppingThroughEveryFlowUnitAndBackKeepsTheValue()
    {
        QComboBox* flowUnit = list("FlowUnit");
        type(box("Flowrate"), "1");
        flowUnit->setFocus();
        for (int i = 1; i < flowUnit->count(); ++i)
            QTest::keyClick(flowUnit, Qt::Key_Down);
        QCOMPARE(flowUnit->currentIndex(), flowUnit->count() - 1);
        for (int i = 1; i < flowUnit->count(); ++i)
            QTest::keyClick(flowUnit, Qt::Key_Up);
        QCOMPARE(flowUnit->currentIndex(), 0);
        bool isNumber = false;
        const double value = QLocale::system().toDouble(box("Flowrate")->text(), &isNumber);
        QVERIFY(isNumber);
        QVERIFY2(std::fabs(value - 1) <= 1e-4, qPrintable(box("Flowrate")->text()));
    }

    void noticesTellWhatWentWrongAndChangeNothing_data()
    {
        // clang-format off
        QTest::addColumn<QString>("diameter");
        QTest::addColumn<QString>("velocity");
        QTest::addColumn<QString>("flowrate");
        QTest::addColumn<QString>("velUnitPick");
        QTest::addColumn<QString>("velUnitAfter");
        QTest::addColumn<QString>("expected");

        const QString needTwo = QString::fromUtf8(calc::NeedTwoValuesNotice.data());
        QTest::newRow("nothing typed") << "" << "" << "" << "" << "m/sec" << needTwo;
        QTest::newRow("three values") << "4" << "2" << "1" << "" << "m/sec" << needTwo;
        QTest::newRow("only zero and spaces") << "0" << "   " << "5" << "" << "m/sec" << needTwo;
        QTest::newRow("letters on a unit change") << "" << "abc" << "" << "ft/sec" << "ft/sec" << QString::fromUtf8(calc::NumericOnlyNotice.data());
        QTest::newRow("square root of a negative") << "" << "2" << "-1" << "" << "m/sec" << calc::ArithmeticError(calc::ArithmeticError::Kind::NegativeSquareRoot).what();
        QTest::newRow("overflow") << "1e300" << "1e300" << "" << "" << "m/sec" << calc::ArithmeticError(calc::ArithmeticError::Kind::Overflow).what();
        QTest::newRow("overflow on a unit change") << "" << "1.7e308" << "" << "inches/sec" << "m/sec" << calc::ArithmeticError(calc::ArithmeticError::Kind::Overflow).what();
        // clang-format on
    }

    void noticesTellWhatWentWrongAndChangeNothing()
    {
        QFETCH(QString, diameter);
        QFETCH(QString, velocity);
        QFETCH(QString, flowrate);
        QFETCH(QString, velUnitPick);
        QFETCH(QString, velUnitAfter);
        QFETCH(QString, expected);

        // Only here: setting a style resets the colours the window kept from
        // the desktop's, which other tests look at.
        const QPalette colours = QApplication::palette();
        QApplication::setStyle(new IconsOnDialogButtons);
        const auto restore = qScopeGuard([&] {
            QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
            QApplication::setPalette(colours);
        });
        pick(list("VelUnit"), "m/sec");
        type(box("Diameter"), local(diameter));
        type(box("Velocity"), local(velocity));
        type(box("Flowrate"), local(flowrate));
        if (velUnitPick.isEmpty())
            QTest::mouseClick(button("Calculate"), Qt::LeftButton);
        else
            pick(list("VelUnit"), velUnitPick);

        const QList<Notice> shown = notices_->take();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].caption, "Ludrix");
        QCOMPARE(shown[0].text, expected);
        QCOMPARE(shown[0].buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(shown[0].icon, QMessageBox::NoIcon);
        QVERIFY(!shown[0].buttonIcon);
        QCOMPARE(box("Diameter")->text(), local(diameter));
        QCOMPARE(box("Velocity")->text(), local(velocity));
        QCOMPARE(box("Flowrate")->text(), local(flowrate));
        QCOMPARE(list("VelUnit")->lineEdit()->text(), velUnitAfter);
        QCOMPARE(list("VelUnit")->currentText(), velUnitAfter);
        QVERIFY(window_->isVisible());
    }

    void openListsShowEveryEntryWhole()
    {
        for (const char* name : { "DiaUnit", "VelUnit", "FlowUnit" }) {
            QComboBox* unitList = list(name);
            unitList->showPopup();
            QAbstractItemView* view = unitList->view();
            QTRY_VERIFY(view->isVisible());
            for (int i = 0; i < unitList->count(); ++i) {
                const QModelIndex entry = unitList->model()->index(i, 0);
                QVERIFY2(view->viewport()->width() >= view->sizeHintForIndex(entry).width(),
                    qPrintable(entry.data().toString()));
            }
            QVERIFY(unitList->screen()->geometry().contains(view->window()->geometry()));
            unitList->hidePopup();
        }
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
        QCOMPARE(focusedControl(), "Diameter");

        flowUnit->setFocus();
        roll();
        QCOMPARE(flowUnit->lineEdit()->text(), "cubic feet/minute");
    }

    void resetEmptiesTheBoxesAndKeepsTheUnits()
    {
        pick(list("DiaUnit"), "mm");
        type(box("Diameter"), "100");
        type(box("Velocity"), "2");
        QTest::mouseClick(button("Calculate"), Qt::LeftButton);
        QVERIFY(!box("Flowrate")->text().isEmpty());

        QTest::mouseClick(button("Reset"), Qt::LeftButton);
        for (const char* name : { "Diameter", "Velocity", "Flowrate" })
            QCOMPARE(box(name)->text(), QString());
        QCOMPARE(list("DiaUnit")->lineEdit()->text(), "mm");

        QTest::mouseClick(button("Calculate"), Qt::LeftButton);
        const QList<Notice> shown = notices_->take();
        QCOMPARE(shown.size(), 1);
        QCOMPARE(shown[0].text, QString::fromUtf8(calc::NeedTwoValuesNotice.data()));

        // The diameter is still read in mm.
        pick(list("VelUnit"), "m/sec");
        pick(list("FlowUnit"), "cubic meter/hour");
        type(box("Diameter"), local("101.6"));
        type(box("Velocity"), "2");
        QTest::mouseClick(button("Calculate"), Qt::LeftButton);
        QCOMPARE(box("Flowrate")->text(), local("58.36375424"));
    }

    void bannerHandsTheMakersAddressToTheDesktopOncePerClick()
    {
        UrlCatcher desktop({ "http", "https" });

        QCOMPARE(control("Image1")->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(control("Image2")->cursor().shape(), Qt::ArrowCursor);

        QTest::mouseClick(control("Image1"), Qt::LeftButton);
        QTest::mouseClick(control("Image1"), Qt::LeftButton);
        QTest::mouseClick(control("Image2"), Qt::LeftButton);
        QCOMPARE(desktop.urls.size(), 2);
        QCOMPARE(desktop.urls, QStringList(2, "https://www.northfall.example"));
    }

    void enterAndEscapePressNoButton()
    {
        type(box("Diameter"), "4");
        for (const char* name : { "Diameter", "Calculate", "Reset", "Endin", "AboutUs" }) {
            control(name)->setFocus();
            for (Qt::Key key : { Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape })
                QTest::keyClick(control(name), key);
        }
        QVERIFY(window_->isVisible());
        QCOMPARE(box("Diameter")->text(), "4");
    }

    // A typed unit text must never stand beside a value read in another unit.
    void typedUnitTextGivesWayToTheUnitInForce_data()
    {
        // clang-format off
        QTest::addColumn<QString>("howEditingEnds");
        QTest::newRow("tab") << "tab";
        QTest::newRow("return") << "return";
        QTest::newRow("click on Calculate") << "calculate";
        // clang-format on
    }

    void typedUnitTextGivesWayToTheUnitInForce()
    {
        QFETCH(QString, howEditingEnds);

        pick(list("VelUnit"), "m/sec");
        pick(list("FlowUnit"), "cubic meter/hour");
        type(box("Diameter"), "4");
        type(box("Velocity"), "2");
        type(list("DiaUnit"), "mm");
        QCOMPARE(list("DiaUnit")->lineEdit()->text(), "mm");
        if (howEditingEnds == "tab")
            QTest::keyClick(list("DiaUnit"), Qt::Key_Tab);
        else if (howEditingEnds == "return")
            QTest::keyClick(list("DiaUnit"), Qt::Key_Return);
        QTest::mouseClick(button("Calculate"), Qt::LeftButton);

        QCOMPARE(list("DiaUnit")->lineEdit()->text(), "inches");
        QCOMPARE(list("DiaUnit")->count(), 2);
        QCOMPARE(box("Flowrate")->text(), local("58.36375424"));
    }

    // One run has the desktop ask for a style of its own (tests/ui/CMakeLists.txt).
    void captionsAndUnitsFitTheirBoxesWhateverStyleTheDesktopAsksFor()
    {
        const QString asked = qEnvironmentVariable("QT_STYLE_OVERRIDE");
        QVERIFY2(asked.isEmpty() || QStyleFactory::keys().contains(asked, Qt::CaseInsensitive), qPrintable(asked));
        QCOMPARE(QApplication::style()->name(), "fusion");
        if (!asked.isEmpty()) {
            const std::unique_ptr<QStyle> desktopStyle(QStyleFactory::create(asked));
            QCOMPARE(box("Diameter")->palette().color(QPalette::Base),
                desktopStyle->standardPalette().color(QPalette::Base));
        }
        for (const ui::Control& row : ui::MainWindowControls) {
            QWidget* widget = control(row.name);
            if (auto* unitList = qobject_cast<QComboBox*>(widget)) {
                QStyleOptionComboBox option;
                option.initFrom(unitList);
                option.editable = true;
                const QRect arrow = unitList->style()->subControlRect(
                    QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, unitList);
                QVERIFY2(!arrow.isEmpty() && unitList->rect().contains(arrow), row.name);
                // Something is drawn there: the arrow's place is not one flat colour.
                const QImage drawn = unitList->grab().toImage().copy(arrow);
                QImage flat(drawn.size(), drawn.format());
                flat.fill(drawn.pixelColor(0, 0));
                QVERIFY2(drawn != flat, row.name);
                // Nor is the foot of the unit's line of text cut off.
                const QLineEdit* field = unitList->lineEdit();
                QVERIFY2(field->rect().contains(field->inputMethodQuery(Qt::ImCursorRectangle).toRect()), row.name);
            }
            if (row.kind != ui::ControlKind::Label && row.kind != ui::ControlKind::CommandButton)
                continue;
            const QRect room = testing_support::captionRoom(widget);
            const QFontMetrics metrics(widget->font());
            QVERIFY2(metrics.horizontalAdvance(testing_support::captionOf(widget)) <= room.width(), row.name);
            QVERIFY2(metrics.height() <= room.height(), row.name);
            // The faces the layout is measured with, installed with the program.
            QVERIFY2(QFontInfo(widget->font()).family().startsWith("Liberation"), row.name);
        }
    }

    void captionsStandOutFromTheBackground()
    {
        QCOMPARE(ui::contrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(ui::contrastRatio(Qt::white, Qt::white), 1.0);
        for (const char* name : { "Label1", "Label2", "Label3", "Label4", "Label5", "Label6", "Label7" }) {
            const double ratio = testing_support::textContrast(control(name));
            QVERIFY2(ratio >= 4.5, qPrintable(QString("%1: %2").arg(name).arg(ratio)));
        }
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
        QWidgetList controls;
        for (const ui::Control& row : ui::MainWindowControls) {
            auto* widget = main.findChild<QWidget*>(row.name);
            if (widget->focusPolicy() != Qt::NoFocus)
                controls << widget;
        }
        controls << about.findChild<QPushButton*>("OK");
        for (QWidget* focused : controls) {
            QWidget* window = focused->window();
            window->show();
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            focused->setFocus(Qt::TabFocusReason);
            const QImage shot = window->grab().toImage();
            const QRect edge = focused->geometry();
            const QPoint middle = edge.center();
            const struct {
                QPoint at;
                QPoint inwards;
            } sides[] = { { { edge.left(), middle.y() }, { 1, 0 } }, { { edge.right(), middle.y() }, { -1, 0 } },
                { { edge.left() + 3, edge.top() }, { 0, 1 } }, { { edge.left() + 3, edge.bottom() }, { 0, -1 } } };
            for (const auto& side : sides) {
                const auto colour = [&](int step) { return shot.pixelColor(side.at + step * side.inwards); };
                const double outer = ui::contrastRatio(colour(0), colour(-1));
                const double inner = ui::contrastRatio(colour(1), colour(2));
                QVERIFY2(outer >= 3 && inner >= 3,
                    qPrintable(QString("%1: %2, %3").arg(focused->objectName()).arg(outer).arg(inner)));
            }
        }
    }

    void instructionsStayReadableUnderADarkHighlightScheme()
    {
        const testing_support::SchemeColour dark(QPalette::HighlightedText, QColor(40, 40, 40));
        ui::Ludrix window;
        QVERIFY(testing_support::textContrast(window.findChild<QLabel*>("Label4")) >= 4.5);
    }
};

LUDRIX_WINDOW_TEST_MAIN(MainWindowTest)

#include "main_window_test.moc"
