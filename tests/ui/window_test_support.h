// What the window tests share: a user who answers message boxes, a desktop
// that takes the links handed to it, and a measure of a caption's room.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QFontInfo>
#include <QHash>
#include <QLabel>
#include <QLibrary>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextLayout>
#include <QTimer>
#include <QUrl>
#include <QtMath>
#include <algorithm>
#include <memory>

#include "ui/about/about.h"
#include "ui/common/layout.h"
#include "ui/main/ludrix.h"

namespace testing_support {

// The language the windows speak in this run ("en", "de", ...), as the
// program chose it from the user's.
inline QString Language;

// Test data is written with ASCII digits, a point, a comma between groups
// and a hyphen; the window reads and writes those of the locale in force.
inline QString local(const QString& number)
{
    const QLocale locale = QLocale::system();
    const QHash<QChar, QString> signs { { u'.', locale.decimalPoint() }, { u',', locale.groupSeparator() },
        { u'-', locale.negativeSign() } };
    QString text;
    for (const QChar c : number)
        text += c.isDigit() ? QChar(locale.zeroDigit().at(0).unicode() + c.digitValue()) : signs.value(c, c);
    return text;
}

struct Notice {
    QString caption, text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon;
    bool buttonIcon;
};

// Stands in for the desktop: takes the links of the web and mail schemes
// while it lives, and notes whether the About window was out of the way at
// the moment each arrived.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    UrlCatcher()
    {
        for (const char* scheme : Schemes)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~UrlCatcher() override
    {
        for (const char* scheme : Schemes)
            QDesktopServices::unsetUrlHandler(scheme);
    }
    QStringList urls;
    QList<bool> aboutShown;

public slots:
    void open(const QUrl& url)
    {
        urls.append(url.toString());
        aboutShown.append(ui::program::About && ui::program::About->isVisible());
    }

private:
    static constexpr const char* Schemes[] = { "http", "https", "mailto" };
};

// Each test starts with a fresh main window, shown and active, and a user
// who answers every message box as it opens and keeps what each showed: a
// missed notice fails a test, never blocks it. Each test ends with the
// windows gone and no notice left unexpected.
class MainWindowFixture : public QObject {
    Q_OBJECT

protected:
    MainWindowFixture()
    {
        connect(&answering_, &QTimer::timeout, this, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!box || !box->isVisible())
                return;
            QAbstractButton* ok = box->button(QMessageBox::Ok);
            notices_.append(
                { box->windowTitle(), box->text(), box->standardButtons(), box->icon(), ok && !ok->icon().isNull() });
            ok ? QTest::mouseClick(ok, Qt::LeftButton) : box->reject();
        });
        answering_.start(10);
    }

private slots:
    // The offscreen platform says, each time a list drops down, a window is
    // raised or a link finds no handler, that it cannot do what a desktop
    // would; nothing here needs it. Set here, after QTest's own handler.
    void initTestCase()
    {
        static QtMessageHandler testLog = nullptr;
        testLog = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
            if (!text.startsWith("This plugin does not support"))
                testLog(type, context, text);
        });
    }

    void init()
    {
        window_ = std::make_unique<ui::Ludrix>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void cleanup()
    {
        window_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        // The main window takes the About window with it.
        QVERIFY(ui::program::About.isNull());
        const QList<Notice> unexpected = std::exchange(notices_, {});
        QVERIFY2(unexpected.isEmpty(), qPrintable("unexpected notice: " + unexpected.value(0).text));
    }

protected:
    // A button as the user finds it: by its caption, in the user's language.
    QPushButton* button(const QString& caption) const
    {
        const auto buttons = window_->findChildren<QPushButton*>();
        const auto found = std::ranges::find(
            buttons, QCoreApplication::translate("Ludrix", caption.toUtf8().constData()), &QPushButton::text);
        return found == buttons.end() ? nullptr : *found;
    }

    // The notices shown since the last call, once `count` of them have come
    // or twenty seconds have passed: Wine 8, showing a window on a display
    // with no window manager, now and then holds the program for seconds,
    // waiting for word of the window that no manager sends.
    QList<Notice> takeNotices(qsizetype count)
    {
        // Fewer than that fail the caller's own comparison.
        static_cast<void>(QTest::qWaitFor([&] { return notices_.size() >= count; }, 20000));
        return std::exchange(notices_, {});
    }

    QTimer answering_;
    QList<Notice> notices_;
    std::unique_ptr<ui::Ludrix> window_;
};

// Where a caption's letters land in a room that centres it vertically, as a
// label and a button do: the line's box, as tall as the tallest face that
// lends it letters, in the middle; the letters about its baseline. A face
// with tall lines (Arabic's Kufi, say) can push the letters out of a low room.
inline QRectF inkCentredIn(const QFont& font, const QString& text, const QRect& room)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const qreal baseline = room.top() + (room.height() - line.height()) / 2 + line.ascent();
    return QFontMetricsF(font).tightBoundingRect(text).translated(0, baseline);
}

// What a control shows of itself: a label its caption's letters or its
// picture, any other control its whole frame.
inline QRect drawnRect(QWidget* widget)
{
    QRect drawn = widget->geometry();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const QRect room = label->contentsRect();
        const QPixmap picture = label->pixmap();
        if (picture.isNull()) {
            const QRectF ink = inkCentredIn(label->font(), label->text(), room);
            const int top = qFloor(ink.top() + 0.5), bottom = qCeil(ink.bottom() - 0.5);
            drawn &= QRect(widget->mapToParent(QPoint(room.left(), top)),
                QSize(QFontMetrics(label->font()).horizontalAdvance(label->text()), bottom - top));
        } else {
            drawn &= QRect(widget->mapToParent(room.topLeft()), picture.deviceIndependentSize().toSize());
        }
    }
    return drawn;
}

// A fixed layout as the user sees it: every control inside its window, none
// drawn over another, every caption whole in the room it is drawn in and in
// the faces it was measured with.
inline void checkLayout(QWidget* window)
{
    const QWidgetList controls = window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : controls) {
        const QByteArray name = control->objectName().toLatin1();
        QVERIFY2(window->rect().contains(control->geometry()), name);
        for (QWidget* other : controls) {
            QVERIFY2(other == control || !drawnRect(control).intersects(drawnRect(other)),
                name + " over " + other->objectName().toLatin1());
        }
        auto* button = qobject_cast<QPushButton*>(control);
        auto* label = qobject_cast<QLabel*>(control);
        if (!button && (!label || !label->pixmap().isNull()))
            continue;
        QRect room = control->contentsRect();
        if (button) {
            QStyleOptionButton option;
            option.initFrom(button);
            room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        }
        const QString text = button ? button->text() : label->text();
        const int advance = QFontMetrics(control->font()).horizontalAdvance(text);
        const QRectF ink = inkCentredIn(control->font(), text, room);
        const QString sizes = QString::asprintf(": %d pixels across in a room of %dx%d, letters from %.1f to %.1f",
            advance, room.width(), room.height(), ink.top(), ink.bottom());
        // Less than a pixel over an edge cannot be judged from the measures:
        // the baseline is drawn on a whole pixel, and so are the letters
        // where the engine snaps them to the grid (Wine's do).
        QVERIFY2(advance <= room.width() && ink.top() > room.top() - 1 && ink.bottom() < room.top() + room.height() + 1,
            name + sizes.toLatin1());
        const QString face = QFontInfo(control->font()).family();
        QVERIFY2(face.startsWith("Liberation") || face == "Arial" || face == "Times New Roman",
            name + ": " + face.toLatin1());
    }
}

// How well a control's text stands out from its own background.
inline double textContrast(const QWidget* widget)
{
    const QPalette palette = widget->palette();
    return ui::contrastRatio(palette.color(QPalette::WindowText), palette.color(QPalette::Window));
}

// A desktop colour scheme, with one colour changed if asked, for as long
// as the returned guard lives.
inline auto desktopScheme(QPalette scheme, QPalette::ColorRole role = QPalette::NoRole, const QColor& colour = {})
{
    if (role != QPalette::NoRole)
        scheme.setColor(role, colour);
    const QPalette original = QApplication::palette();
    QApplication::setPalette(scheme);
    return qScopeGuard([original] { QApplication::setPalette(original); });
}

// Whether the Windows build runs under Wine, which has no entry point of
// this name on Windows itself.
inline bool underWine()
{
#ifdef Q_OS_WIN
    return QLibrary::resolve("ntdll", "wine_get_version") != nullptr;
#else
    return false;
#endif
}

// The About window's tests, run by the main window tests' binary.
std::unique_ptr<QObject> aboutWindowTest();

} // namespace testing_support
