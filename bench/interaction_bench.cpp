// How long the window takes from a click on Calculate, or from a unit pick,
// to the written box, through the real window and its event handling. Prints
// figures; asserts only that the box was written, never what with (the
// tests own the values) nor how fast.
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "ui/main/ludrix.h"

class InteractionBench : public QObject {
    Q_OBJECT

private:
    ui::Ludrix window_;

    template <class Widget> Widget* control(const char* name) const
    {
        return window_.findChild<Widget*>(QString::fromLatin1(name));
    }

private slots:
    void initTestCase()
    {
        window_.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window_));
    }

    void init()
    {
        QTest::mouseClick(control<QPushButton>("Reset"), Qt::LeftButton);
    }

    // 4 inches at 2 inches/sec, into cubic feet/sec.
    void calculate()
    {
        control<QLineEdit>("Diameter")->setText(QStringLiteral("4"));
        control<QLineEdit>("Velocity")->setText(QStringLiteral("2"));
        QLineEdit* flowrate = control<QLineEdit>("Flowrate");
        auto* button = control<QPushButton>("Calculate");
        QBENCHMARK {
            flowrate->clear();
            QTest::mouseClick(button, Qt::LeftButton);
        }
        QVERIFY(!flowrate->text().isEmpty());
    }

    // Two picks an iteration: the flow rate re-expressed in the next unit
    // down the list and back in the first, picked with the arrow keys as a
    // keyboard user does. QtTest runs this function again until its figures
    // settle, so each iteration must end where it started; the value is set
    // anew each time, as a factor and its way back need not multiply to 1.
    void unitChangeThereAndBack()
    {
        QLineEdit* flowrate = control<QLineEdit>("Flowrate");
        auto* list = control<QComboBox>("FlowUnit");
        list->setFocus();
        QString there;
        QBENCHMARK {
            flowrate->setText(QStringLiteral("1"));
            QTest::keyClick(list, Qt::Key_Down);
            there = flowrate->text();
            QTest::keyClick(list, Qt::Key_Up);
        }
        QCOMPARE(list->currentIndex(), 0);
        QVERIFY(there != QStringLiteral("1"));
    }
};

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    InteractionBench bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "interaction_bench.moc"
