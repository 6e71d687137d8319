// A long session of random user operations on the real window: typing,
// Calculate, unit picks, Reset, the About window, notices answered. After a
// warm-up the heap may grow by 2 bytes an operation, 200 KB in 100,000, so
// that a leak of a few bytes in each calculation fails a shorter one too.
//
//     ui_soak [operations]      (100000, or 10000 under AddressSanitizer)
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QLoggingCategory>
#include <QMessageBox>
#include <QPixmapCache>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <random>
#include <unistd.h>

#include "ui/about/about.h"
#include "ui/main/ludrix.h"

extern "C" __attribute__((weak)) std::size_t __sanitizer_get_current_allocated_bytes();

static long long heapInUse()
{
    // The About window is measured closed, as it was at the start.
    if (ui::program::About)
        ui::program::About->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (__sanitizer_get_current_allocated_bytes)
        return static_cast<long long>(__sanitizer_get_current_allocated_bytes());
    const struct mallinfo2 info = mallinfo2();
    return static_cast<long long>(info.uordblks + info.hblkhd);
}

int main(int argc, char* argv[])
{
    // glibc counts the freed blocks it keeps for reuse as in use, which
    // blurs the count by tens of KiB; without them it is exact.
    if (!qEnvironmentVariableIsSet("GLIBC_TUNABLES")) {
        setenv("GLIBC_TUNABLES", "glibc.malloc.tcache_count=0", 1);
        execv("/proc/self/exe", argv);
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform remarks on each window it cannot raise.
    QLoggingCategory::setFilterRules("default.warning=false");
    QApplication application(argc, argv);
    // Under AddressSanitizer each operation is several times slower, and a
    // tenth of the session shows the same leak.
    const long operations = argc > 1              ? std::strtol(argv[1], nullptr, 10)
        : __sanitizer_get_current_allocated_bytes ? 10'000
                                                  : 100'000;
    std::mt19937 random(1);
    const auto any = [&random](int count) { return int(random() % unsigned(count)); };
    // The style caches what it draws under names that hold the palette, and
    // this Qt keeps each name after its piece has gone: every new About
    // window, with a palette of its own, would leave some behind.
    QPixmapCache::setCacheLimit(0);
    // Answers each notice as soon as it shows.
    QTimer answer;
    answer.callOnTimeout([] {
        if (auto* notice = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            notice->done(QMessageBox::Ok);
    });
    answer.start(0);
    ui::Ludrix window;
    window.show();
    const auto boxes = window.findChildren<QLineEdit*>(Qt::FindDirectChildrenOnly);
    const auto lists = window.findChildren<QComboBox*>(Qt::FindDirectChildrenOnly);
    const auto click = [](QWidget* parent, const char* name) {
        QTest::mouseClick(parent->findChild<QPushButton*>(name), Qt::LeftButton);
    };

    constexpr long WarmUp = 1'000;
    long long heapWarm = 0;
    for (long done = 0; done < WarmUp + operations; ++done) {
        if (done == WarmUp)
            heapWarm = heapInUse();
        // What the event loop does between two user actions.
        QCoreApplication::processEvents();
        const int roll = any(16);
        if (roll < 6) {
            // A user clicks into the main window to type, which makes it
            // the active window again after a notice or the About window.
            window.activateWindow();
            QLineEdit* field = boxes[any(3)];
            field->setFocus();
            field->selectAll();
            QTest::keyClick(field, Qt::Key_Delete);
            const int keys = any(5);
            for (int key = 0; key < keys; ++key)
                QTest::keyClick(field, "01234567890123456789.,e-x "[any(26)]);
            // Undo reaches back no further than where editing last ended:
            // kept for the session, the history would grow with every key.
            if (keys > 0)
                QTest::keyClick(field, Qt::Key_Return);
            if (keys > 0 && field->isUndoAvailable()) {
                std::fprintf(stderr, "a box keeps its undo history after editing ended\n");
                return 1;
            }
        } else if (roll < 7) {
            click(&window, "Calculate");
        } else if (roll < 13) {
            QTest::keyClick(lists[any(3)], std::array { Qt::Key_Up, Qt::Key_Down, Qt::Key_Home, Qt::Key_End }[any(4)]);
        } else if (roll < 14) {
            click(&window, "Reset");
        } else {
            // A look at the About window, closed with Close, which hides it,
            // or through its frame, which deletes it.
            click(&window, "AboutUs");
            QCoreApplication::processEvents();
            if (any(2))
                click(ui::program::About, "OK");
            else
                ui::program::About->close();
        }
    }
    const long long growth = heapInUse() - heapWarm;
    const long long allowed = 2LL * operations;
    std::printf("%ld operations: the heap grew by %lld bytes, %lld allowed\n", operations, growth, allowed);
    return growth > allowed ? 1 : 0;
}
