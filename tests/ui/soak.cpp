// A long session of random user operations on the real window: typing,
// pasting, unit picks, Calculate, Reset and the About window. It checks as
// it goes that nothing but the box an operation may write changes, and at
// the end that the heap has not grown since the session warmed up.
//
//     ui_soak [operations [seed]]      (100000 and 1 by default)
#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPixmapCache>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <malloc.h>
#include <random>
#include <string>

#include "ui/about/about.h"
#include "ui/main/ludrix.h"

extern "C" __attribute__((weak)) std::size_t __sanitizer_get_current_allocated_bytes();

namespace {

constexpr std::array BoxNames { "Diameter", "Velocity", "Flowrate" };
constexpr std::array ListNames { "DiaUnit", "VelUnit", "FlowUnit" };

// Bytes the program holds on the heap right now. The style keeps a cache of
// drawn buttons that fills up to a limit of its own over a long session and
// is no growth of the program's; it is emptied first.
std::size_t heapInUse()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QPixmapCache::clear();
    if (__sanitizer_get_current_allocated_bytes)
        return __sanitizer_get_current_allocated_bytes();
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

std::size_t residentKiB()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::strtoul(line.c_str() + 6, nullptr, 10);
    }
    return 0;
}

// Answers each message box as soon as it shows, and counts them.
class QuickUser : public QObject {
public:
    int notices = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            if (auto* box = qobject_cast<QMessageBox*>(watched)) {
                ++notices;
                QTimer::singleShot(0, box, [box] { box->done(QMessageBox::Ok); });
            }
        }
        return false;
    }
};

class Session {
    // Which box an operation may change, and whether it is the program
    // that writes it, which must then be a number.
    static constexpr int AnyOneBox = 3;
    static constexpr int AllEmptied = 4;
    struct Writes {
        int box;
        bool byProgram;
    };

public:
    Session(ui::Ludrix& window, unsigned seed)
        : window_(window)
        , random_(seed)
    {
    }

    // One random operation; false when it broke a promise.
    bool step()
    {
        const QStringList before = texts();
        const int roll = between(0, 99);
        Writes writes { .box = -1, .byProgram = true };
        if (roll < 22) {
            writes = { between(0, 2), false };
            type(box(writes.box));
        } else if (roll < 32) {
            writes = { between(0, 2), false };
            paste(box(writes.box));
        } else if (roll < 37) {
            writes = { between(0, 2), false };
            QTest::keyClick(box(writes.box), between(0, 1) ? Qt::Key_Backspace : Qt::Key_Delete);
        } else if (roll < 52) {
            writes.box = between(0, 2);
            pickWithKeys(list(writes.box));
        } else if (roll < 56) {
            writes.box = between(0, 2);
            typeIntoUnitField(list(writes.box));
        } else if (roll < 75) {
            writes.box = AnyOneBox;
            click("Calculate");
        } else if (roll < 80) {
            click("Reset");
            writes.box = AllEmptied;
        } else if (roll < 86) {
            click("AboutUs");
        } else if (roll < 99) {
            aboutWindowOperation();
        } else {
            QWidget* any = between(0, 1) ? static_cast<QWidget*>(box(between(0, 2))) : list(between(0, 2));
            QTest::keyClick(any, between(0, 1) ? Qt::Key_Escape : Qt::Key_Return);
        }
        return checkBoxes(before, writes);
    }

private:
    int between(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }

    QLineEdit* box(int i) const { return window_.findChild<QLineEdit*>(BoxNames[std::size_t(i)]); }
    QComboBox* list(int i) const { return window_.findChild<QComboBox*>(ListNames[std::size_t(i)]); }
    void click(const char* name) const
    {
        QTest::mouseClick(window_.findChild<QPushButton*>(name), Qt::LeftButton);
    }

    // A user clicks into the main window before typing into it, and so it
    // is the active window again when the About window has gone.
    void comeBackToTheMainWindow()
    {
        if (!window_.isActiveWindow()) {
            window_.activateWindow();
            QCoreApplication::processEvents();
        }
    }

    QStringList texts() const { return { box(0)->text(), box(1)->text(), box(2)->text() }; }

    // Mostly what an engineer types, now and then something else.
    QString someText()
    {
        static const QStringList pieces { "0", "1", "2", "4", "7", "9", "58", "101", ".", ",", "e", "E", "-", "+",
            " ", "e3", "e-9", "e400", "a", "x", "\u00A0", "\u2212", "\u0664", "\t" };
        QString text;
        const int count = between(0, 6);
        for (int i = 0; i < count; ++i)
            text += pieces[between(0, int(pieces.size()) - 1)];
        return text;
    }

    void type(QLineEdit* field)
    {
        comeBackToTheMainWindow();
        field->setFocus();
        if (between(0, 1))
            field->selectAll();
        for (const QChar c : someText())
            QTest::keyClick(field, c.toLatin1() ? c.toLatin1() : 'z');
    }

    void paste(QLineEdit* field)
    {
        comeBackToTheMainWindow();
        field->setFocus();
        field->selectAll();
        QApplication::clipboard()->setText(someText() + someText());
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    }

    void pickWithKeys(QComboBox* unitList)
    {
        static constexpr std::array keys { Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp,
            Qt::Key_PageDown };
        QTest::keyClick(unitList, keys[std::size_t(between(0, int(keys.size()) - 1))]);
    }

    void typeIntoUnitField(QComboBox* unitList)
    {
        unitList->setFocus();
        unitList->lineEdit()->selectAll();
        QTest::keyClicks(unitList->lineEdit(), between(0, 1) ? "mm" : "ft");
        QTest::keyClick(unitList, between(0, 1) ? Qt::Key_Return : Qt::Key_Tab);
    }

    void aboutWindowOperation()
    {
        ui::About* about = ui::program::About;
        if (!about || !about->isVisible())
            return;
        const int which = between(0, 9);
        if (which < 6)
            QTest::mouseClick(about->findChild<QPushButton*>("OK"), Qt::LeftButton);
        else if (which < 8)
            about->close();
        else
            QTest::mouseClick(about->findChild<QWidget*>(which == 8 ? "Visit" : "Contact"), Qt::LeftButton);
    }

    bool checkBoxes(const QStringList& before, Writes writes) const
    {
        const QStringList after = texts();
        int changed = 0;
        for (int i = 0; i < 3; ++i) {
            if (writes.box == AllEmptied) {
                if (!after[i].isEmpty())
                    return complain("Reset left a box filled");
                continue;
            }
            if (after[i] == before[i])
                continue;
            ++changed;
            if (writes.box != i && writes.box != AnyOneBox)
                return complain(qPrintable("a box changed that was not to be touched: " + after[i]));
            bool readable = false;
            QLocale::system().toDouble(after[i], &readable);
            if (writes.byProgram && !readable)
                return complain(qPrintable("the program wrote no number: " + after[i]));
        }
        if (changed > 1 && writes.box != AllEmptied)
            return complain("more than one box written");
        int aboutWindows = 0;
        for (QWidget* widget : QApplication::topLevelWidgets())
            aboutWindows += qobject_cast<ui::About*>(widget) && widget->isVisible();
        if (aboutWindows > 1)
            return complain("two About windows on screen");
        return true;
    }

    static bool complain(const char* what)
    {
        std::fprintf(stderr, "%s\n", what);
        return false;
    }

    ui::Ludrix& window_;
    std::mt19937 random_;
};

} // namespace

int main(int argc, char* argv[])
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Links find no browser here, and the offscreen platform says so each time.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
        if (type != QtDebugMsg && !text.startsWith("This plugin does not support"))
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication application(argc, argv);
    const long operations = argc > 1 ? std::strtol(argv[1], nullptr, 10) : 100'000;
    const unsigned seed = argc > 2 ? unsigned(std::strtoul(argv[2], nullptr, 10)) : 1;
    constexpr long WarmUp = 1'000;

    QuickUser user;
    application.installEventFilter(&user);
    auto window = std::make_unique<ui::Ludrix>();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get()))
        return 2;

    Session session(*window, seed);
    QElapsedTimer clock;
    clock.start();
    std::size_t heapWarm = 0;
    std::size_t residentWarm = 0;
    for (long done = 0; done < operations; ++done) {
        // What the event loop does between two user actions: paint, deliver
        // what the desktop reported, delete what was closed.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (!session.step()) {
            std::fprintf(stderr, "after %ld operations (seed %u)\n", done, seed);
            return 1;
        }
        if (done + 1 == WarmUp) {
            heapWarm = heapInUse();
            residentWarm = residentKiB();
        }
    }
    const std::size_t heapEnd = heapInUse();
    const std::size_t residentEnd = residentKiB();
    const long long growth = static_cast<long long>(heapEnd) - static_cast<long long>(heapWarm);

    std::printf("%ld operations (seed %u) in %.1f s, %d notices answered\n", operations, seed,
        double(clock.elapsed()) / 1000, user.notices);
    std::printf("heap in use after %ld: %zu KiB, at the end: %zu KiB (%+lld KiB)\n", WarmUp, heapWarm / 1024,
        heapEnd / 1024, growth / 1024);
    std::printf("resident after %ld: %zu KiB, at the end: %zu KiB\n", WarmUp, residentWarm, residentEnd);
    window.reset();
    if (operations > WarmUp && growth > 1024 * 1024) {
        std::fprintf(stderr, "the heap grew by more than 1 MiB\n");
        return 1;
    }
    return 0;
}
