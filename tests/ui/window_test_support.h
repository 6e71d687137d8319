// What the window tests share: a user who answers message boxes, a desktop
// that takes the links handed to it, and a measure of a caption's room.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QFontMetrics>
#include <QLabel>
#include <QList>
#include <QLocale>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <functional>
#include <memory>
#include <utility>

#include "ui/common/layout.h"
#include "ui/main/ludrix.h"

namespace testing_support {

// Test data is written with ASCII digits, a point and a hyphen; the window
// reads and writes those of the locale the tests run in.
inline QString local(const QString& number)
{
    const QLocale locale = QLocale::system();
    QString text;
    for (const QChar c : number) {
        if (c >= u'0' && c <= u'9')
            text += QChar(locale.zeroDigit().at(0).unicode() + c.digitValue());
        else if (c == u'.')
            text += locale.decimalPoint();
        else if (c == u'-')
            text += locale.negativeSign();
        else
            text += c;
    }
    return text;
}

struct Notice {
    QString caption;
    QString text;
    QMessageBox::StandardButtons buttons;
    QMessageBox::Icon icon;
    bool buttonIcon;
};

// Answers every message box that opens while it lives, as a user would, and
// keeps what each one showed. A test that expects none fails on any.
class NoticeCatcher : public QObject {
public:
    NoticeCatcher()
    {
        connect(&timer_, &QTimer::timeout, this, &NoticeCatcher::answer);
        timer_.start(10);
    }

    QList<Notice> take() { return std::exchange(notices_, {}); }

private:
    void answer()
    {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        QAbstractButton* ok = box->button(QMessageBox::Ok);
        notices_.append(
            { box->windowTitle(), box->text(), box->standardButtons(), box->icon(), ok && !ok->icon().isNull() });
        if (ok)
            QTest::mouseClick(ok, Qt::LeftButton);
        else
            box->reject();
    }

    QTimer timer_;
    QList<Notice> notices_;
};

// Stands in for the desktop: takes the links of the given schemes while it
// lives, and runs `onOpen` at the moment each one arrives.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    explicit UrlCatcher(QStringList schemes)
        : schemes_(std::move(schemes))
    {
        for (const QString& scheme : schemes_)
            QDesktopServices::setUrlHandler(scheme, this, "open");
    }
    ~UrlCatcher() override
    {
        for (const QString& scheme : schemes_)
            QDesktopServices::unsetUrlHandler(scheme);
    }

    QStringList urls;
    std::function<void()> onOpen;

public slots:
    void open(const QUrl& url)
    {
        urls.append(url.toString());
        if (onOpen)
            onOpen();
    }

private:
    QStringList schemes_;
};

// Opens the list, moves to the entry and presses Enter, as a keyboard user
// picks a unit: one pick, however far the entry is from the one shown.
inline void pick(QComboBox* list, const QString& unit)
{
    const int position = list->findText(unit);
    QVERIFY2(position >= 0, qPrintable(unit));
    list->showPopup();
    QAbstractItemView* view = list->view();
    QTRY_VERIFY(view->isVisible());
    view->setCurrentIndex(list->model()->index(position, 0));
    QTest::keyClick(view, Qt::Key_Return);
    QTRY_VERIFY(!view->isVisible());
}

// Each test starts with a fresh main window, shown and active, and a user
// ready to answer its notices; it ends with the window gone and no notice
// left unexpected.
class MainWindowFixture : public QObject {
protected:
    void openMainWindow()
    {
        notices_ = std::make_unique<NoticeCatcher>();
        window_ = std::make_unique<ui::Ludrix>();
        window_->show();
        QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    }

    void closeMainWindow()
    {
        window_.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const QList<Notice> unexpected = notices_->take();
        notices_.reset();
        QVERIFY2(unexpected.isEmpty(), qPrintable("unexpected notice: " + unexpected.value(0).text));
    }

    std::unique_ptr<NoticeCatcher> notices_;
    std::unique_ptr<ui::Ludrix> window_;
};

// The width and height a label's or a button's caption has to fit in.
inline QRect captionRoom(QWidget* widget)
{
    if (auto* button = qobject_cast<QPushButton*>(widget)) {
        QStyleOptionButton option;
        option.initFrom(button);
        return button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    }
    return widget->contentsRect();
}

// How well a control's text stands out from its own background.
inline double textContrast(const QWidget* widget)
{
    const QPalette palette = widget->palette();
    return ui::contrastRatio(palette.color(QPalette::WindowText), palette.color(QPalette::Window));
}

// A desktop colour scheme, or the present one with one colour changed, for
// as long as it lives.
class SchemeColour {
public:
    explicit SchemeColour(const QPalette& scheme)
        : original_(QApplication::palette())
    {
        QApplication::setPalette(scheme);
    }
    SchemeColour(QPalette::ColorRole role, const QColor& colour)
        : original_(QApplication::palette())
    {
        QPalette changed = original_;
        changed.setColor(role, colour);
        QApplication::setPalette(changed);
    }
    ~SchemeColour() { QApplication::setPalette(original_); }
    SchemeColour(const SchemeColour&) = delete;
    SchemeColour& operator=(const SchemeColour&) = delete;

private:
    QPalette original_;
};

inline QString captionOf(QWidget* widget)
{
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return button->text();
    return qobject_cast<QLabel*>(widget)->text();
}

// The offscreen platform says, each time a list drops down, a window is
// raised or a link finds no handler, that it cannot do what a desktop would;
// nothing here needs it. Call from initTestCase, after QTest has put in its
// own handler.
inline void quietOffscreenPlatform()
{
    static QtMessageHandler testLog = nullptr;
    testLog = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (!text.startsWith("This plugin does not support"))
            testLog(type, context, text);
    });
}

} // namespace testing_support

// Windows under test stay off the screen unless asked otherwise.
#define LUDRIX_WINDOW_TEST_MAIN(TestClass)                                                                             \
    int main(int argc, char* argv[])                                                                                   \
    {                                                                                                                  \
        if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))                                                             \
            qputenv("QT_QPA_PLATFORM", "offscreen");                                                                   \
        QApplication application(argc, argv);                                                                          \
        TestClass test;                                                                                                \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
