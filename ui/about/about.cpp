#include "ui/about/about.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QUrl>

#include "ui/common/clickable_label.h"
#include "ui/common/link_opener.h"
#include "ui/common/maker.h"

namespace ui {

namespace {

using enum ControlKind;
using enum ControlFont;
using enum ControlColour;

constexpr int AboutWidthTwips = 3960;
constexpr int AboutHeightTwips = 1635;

QString visitCaption()
{
    return QCoreApplication::translate("About", "Visit %1").arg(QUrl(QString::fromUtf8(MakerWebAddress)).host());
}

QString contactCaption()
{
    return QCoreApplication::translate("About", "Contact %1").arg(QString::fromUtf8(MakerEmailAddress));
}

// The part of the enquiry link that never changes; the subject goes on the
// end at each click. Made at the first click, not at start-up.
const QString& enquiryLinkStart()
{
    static const QString start = QStringLiteral("mailto:%1?subject=").arg(QString::fromUtf8(MakerEmailAddress));
    return start;
}

} // namespace

// The link captions come from the maker's addresses when the window is built.
// clang-format off
const std::array<Control, 4> AboutControls { {
    // id name    kind           caption                                      tool tip accessible name                              left   top   width height tab font          colour
    { 1, "OK",      CommandButton, QT_TRANSLATE_NOOP("About", "Close"),         nullptr, QT_TRANSLATE_NOOP("About", "Close"),         2760, 1080, 1095, 375,    0, SansBoldLarge, PlatformText },
    { 2, "Visit",   Label,         nullptr,                                     nullptr, nullptr,                                      120,  120, 2655, 255,    1, SansBoldLarge, DarkRed },
    { 3, "Contact", Label,         nullptr,                                     nullptr, nullptr,                                      120,  600, 2895, 255,    2, SansBoldLarge, DarkRed },
    { 4, "Label1",  Label,         QT_TRANSLATE_NOOP("About", "Version 1.0.4"), nullptr, QT_TRANSLATE_NOOP("About", "Version 1.0.4"),  120, 1320,  975, 255,    3, WindowFont,    PlatformText },
} };
// clang-format on

QColor aboutBackground()
{
    return QColor(240, 236, 226);
}

About::About(QScreen* screen)
    : QWidget(nullptr,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
{
    setObjectName(QStringLiteral("About"));
    setWindowTitle(QCoreApplication::translate("About", "About Us"));
    // Closing this window must never end the run; only the main window does.
    setAttribute(Qt::WA_QuitOnClose, false);
    // Closed through its frame, the window goes for good; About Us then
    // builds a new one.
    setAttribute(Qt::WA_DeleteOnClose);
    // The same face as the main window's captions: the desktop's usual face
    // is wider and would cut "Version 1.0.4" short in its fixed box.
    setFont(layoutFont(WindowFont));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, aboutBackground());
    // The version follows the desktop's text colour, unless a dark scheme
    // would make it light grey on this light ground.
    if (contrastRatio(palette.color(QPalette::WindowText), aboutBackground()) < 4.5)
        palette.setColor(QPalette::WindowText, Qt::black);
    setPalette(palette);
    setFixedSize(pixels(AboutWidthTwips), pixels(AboutHeightTwips));

    buildLayout(*this, AboutControls);

    auto* visit = findControl<ClickableLabel>(*this, "Visit");
    auto* contact = findControl<ClickableLabel>(*this, "Contact");
    visit->setText(visitCaption());
    contact->setText(contactCaption());
    for (ClickableLabel* link : { visit, contact }) {
        link->setAccessibleName(link->text());
        link->setCursor(Qt::PointingHandCursor);
    }
    visit->setAccessibleDescription(
        QCoreApplication::translate("About", "Opens the maker's web site in your web browser"));
    contact->setAccessibleDescription(QCoreApplication::translate("About", "Starts an enquiry e-mail to the maker"));

    auto* ok = findControl<QPushButton>(*this, "OK");
    // A plain button outside a dialog: Enter and Esc press nothing.
    ok->setAutoDefault(false);
    ok->setDefault(false);
    connect(ok, &QPushButton::clicked, this, &About::OK_Click);
    connect(visit, &ClickableLabel::clicked, this, &About::Visit_Click);
    connect(contact, &ClickableLabel::clicked, this, &About::Contact_Click);

    if (!screen)
        screen = QGuiApplication::primaryScreen();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
}

void About::OK_Click()
{
    hide();
}

void About::Visit_Click()
{
    // Hidden first, so the browser that opens is not covered by this window.
    hide();
    Navigate(QString::fromUtf8(MakerWebAddress));
}

void About::Contact_Click()
{
    hide();
    Navigate(enquiryLinkStart() + QStringLiteral("Enquiry"));
}

void About::Navigate(QString NavTo)
{
    openLink(NavTo);
}

void About::closeEvent(QCloseEvent* event)
{
    // The window is about to be deleted; About Us must build a new one, not
    // show this one again.
    if (program::About == this)
        program::About.clear();
    event->accept();
}

} // namespace ui
