// Whatever lands in a box, typed or pasted: Calculate and a unit change must
// answer as the rules say, leave the other boxes alone, and the window must
// go on working.
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include "calc/calculator.h"
#include "ui/main/ludrix.h"
#include "window_test_support.h"


namespace {

using testing_support::local;

enum class Reads { Blank, NoNumber, Zero, Number };

struct Quantity {
    const char* box;
    const char* list;
    const char* unit;   // in force while the box is filled
    const char* other;  // picked to re-express the box
    const char* value;  // consistent with the other two
};

// 101.6 mm at 2 m/sec makes 58.36375424 cubic meter/hour.
const Quantity Quantities[] = {
    { "Diameter", "DiaUnit", "mm", "inches", "101.6" },
    { "Velocity", "VelUnit", "m/sec", "ft/sec", "2" },
    { "Flowrate", "FlowUnit", "cubic meter/hour", "liter/second", "58.36375424" },
};

} // namespace

Q_DECLARE_METATYPE(Reads)

class HostileInputTest : public testing_support::MainWindowFixture {
    Q_OBJECT

private:
    QLineEdit* box(const char* name) const { return window_->findChild<QLineEdit*>(name); }
    QComboBox* list(const char* name) const { return window_->findChild<QComboBox*>(name); }
    void click(const char* name) const { QTest::mouseClick(window_->findChild<QPushButton*>(name), Qt::LeftButton); }

    static void pick(QComboBox* unitList, const QString& unit) { testing_support::pick(unitList, unit); }

    static void paste(QLineEdit* field, const QString& text)
    {
        field->setFocus();
        field->selectAll();
        QApplication::clipboard()->setText(text);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }

    QStringList texts() const { return { box("Diameter")->text(), box("Velocity")->text(), box("Flowrate")->text() }; }

    // The three units in force and the two other boxes holding their values.
    void fillAround(const Quantity& hostile, const QString& text)
    {
        click("Reset"); // so that the picks find nothing to convert
        for (const Quantity& quantity : Quantities) {
            pick(list(quantity.list), quantity.unit);
            paste(box(quantity.box), &quantity == &hostile ? text : local(quantity.value));
        }
    }

    // After whatever came before, an ordinary calculation still works.
    void checkStillWorks()
    {
        fillAround(Quantities[2], "");
        click("Calculate");
        QCOMPARE(box("Flowrate")->text(), local("58.36375424"));
        QVERIFY(window_->isVisible());
    }

private slots:
    void initTestCase() { testing_support::quietOffscreenPlatform(); }

    void init() { openMainWindow(); }

    void cleanup() { closeMainWindow(); }

    void anyTextInABox_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<Reads>("reads");

        const bool point = QLocale::system().decimalPoint() == u'.';
        QTest::newRow("empty") << "" << Reads::Blank;
        QTest::newRow("spaces only") << "    " << Reads::Blank;
        QTest::newRow("tab") << "\t4" << Reads::NoNumber;
        QTest::newRow("control characters") << "4\x01\x1b\x7f" << Reads::NoNumber;
        QTest::newRow("a megabyte of digits") << QString(1 << 20, u'9') << Reads::NoNumber;
        QTest::newRow("letters") << "abc" << Reads::NoNumber;
        QTest::newRow("nan") << "nan" << Reads::NoNumber;
        QTest::newRow("inf") << "inf" << Reads::NoNumber;
        QTest::newRow("1e400") << "1e400" << Reads::NoNumber;
        QTest::newRow("-1e400") << "-1e400" << Reads::NoNumber;
        QTest::newRow("1e-400") << "1e-400" << Reads::Zero;
        QTest::newRow("-0") << "-0" << Reads::Zero;
        QTest::newRow("+4") << "+4" << Reads::Number;
        QTest::newRow("4.") << local("4.") << Reads::Number;
        QTest::newRow(".5") << local(".5") << Reads::Number;
        QTest::newRow("0x10") << "0x10" << Reads::NoNumber;
        QTest::newRow("1,,2") << (point ? "1,,2" : "1..2") << Reads::NoNumber;
        QTest::newRow("the other locale's separator") << (point ? "1,5" : "1.5") << Reads::NoNumber;
        QTest::newRow("Arabic-Indic digits") << QString::fromUtf8("\u0664\u0662") << Reads::NoNumber;
        QTest::newRow("full-width digits") << QString::fromUtf8("\uFF14") << Reads::NoNumber;
        QTest::newRow("right-to-left marks") << QString::fromUtf8("\u200F4\u200F") << Reads::NoNumber;
        QTest::newRow("grouped thousands") << (point ? "1,234.5" : "1.234,5") << Reads::Number;
    }

    void anyTextInABox()
    {
        QFETCH(QString, text);
        QFETCH(Reads, reads);
        // A line edit holds at most 32767 characters; what it holds is what
        // the program reads.
        const QString held = text.left(box("Diameter")->maxLength());

        for (const Quantity& hostile : Quantities) {
            // Calculate: a number makes three values; anything else counts
            // as empty, and the box gets the value the other two make.
            fillAround(hostile, text);
            QCOMPARE(box(hostile.box)->text(), held);
            QStringList expected = texts();
            if (reads != Reads::Number)
                expected[int(&hostile - Quantities)] = local(hostile.value);
            click("Calculate");
            QCOMPARE(texts(), expected);
            const auto afterCalculate = notices_->take();
            QCOMPARE(afterCalculate.size(), reads == Reads::Number ? 1 : 0);
            if (reads == Reads::Number)
                QCOMPARE(afterCalculate[0].text, QString::fromUtf8(calc::NeedTwoValuesNotice.data()));

            // A unit change: silence on a blank, the notice on no number,
            // the number re-expressed otherwise; the other boxes untouched.
            fillAround(hostile, text);
            expected = texts();
            pick(list(hostile.list), hostile.other);
            const QStringList after = texts();
            for (int i = 0; i < 3; ++i) {
                if (&Quantities[i] != &hostile)
                    QCOMPARE(after[i], expected[i]);
            }
            const QString converted = box(hostile.box)->text();
            const auto afterPick = notices_->take();
            switch (reads) {
            case Reads::Blank:
                QCOMPARE(converted, held);
                QCOMPARE(afterPick.size(), 0);
                break;
            case Reads::NoNumber:
                QCOMPARE(converted, held);
                QCOMPARE(afterPick.size(), 1);
                QCOMPARE(afterPick[0].text, QString::fromUtf8(calc::NumericOnlyNotice.data()));
                break;
            case Reads::Zero:
                QCOMPARE(converted, "0");
                QCOMPARE(afterPick.size(), 0);
                break;
            case Reads::Number: {
                bool readable = false;
                QLocale::system().toDouble(converted, &readable);
                QVERIFY2(readable && converted != held, qPrintable(converted));
                QCOMPARE(afterPick.size(), 0);
                break;
            }
            }
        }
        checkStillWorks();
    }
};

LUDRIX_WINDOW_TEST_MAIN(HostileInputTest)

#include "hostile_input_test.moc"
