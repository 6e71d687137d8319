#include "ui/main/ludrix.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStringList>
#include <QStyle>
#include <QStyleFactory>
#include <optional>
#include <string>
#include <utility>

#include "calc/unit_definitions.h"
#include "calc/units.h"
#include "ui/about/about.h"
#include "ui/common/clickable_label.h"
#include "ui/common/link_opener.h"
#include "ui/common/maker.h"
#include "ui/common/number_format.h"
#include "ui/common/value_box.h"
#include "ui/main/main_window_layout.h"

namespace ui {

namespace {

std::size_t slot(calc::Box box)
{
    return static_cast<std::size_t>(box);
}
std::size_t slot(calc::UnitList list)
{
    return static_cast<std::size_t>(list);
}

template <std::size_t N>
void fill(QComboBox& list, calc::UnitList which, const std::array<std::string_view, N>& units,
    const calc::NumberFormat& format)
{
    QStringList texts;
    for (std::string_view unit : units)
        texts << QCoreApplication::translate("Units", std::string(unit).c_str());
    list.addItems(texts);
    // Shown in the open list and read out with each entry, for the user who
    // cannot tell the four barrels apart by their names.
    const calc::Translate words = [](const char* context, const char* text) {
        return QCoreApplication::translate(context, text).toStdString();
    };
    for (int i = 0; i < list.count(); ++i) {
        const QString definition = QString::fromStdString(calc::unitDefinition(which, i, format, words));
        list.setItemData(i, definition, Qt::ToolTipRole);
        list.setItemData(i, definition, Qt::AccessibleDescriptionRole);
    }
    list.setCurrentIndex(0);
    // The open list is as wide as its longest entry, so that the barrel kinds
    // are told apart by their whole names; Qt keeps it within the screen.
    QAbstractItemView* view = list.view();
    view->setMinimumWidth(
        view->sizeHintForColumn(0) + view->verticalScrollBar()->sizeHint().width() + 2 * view->frameWidth());
}

// The fixed layout gives its boxes, lists and most buttons 21 pixels; styles
// made for taller controls cannot fit their frames and arrows into that, and
// the unit lists would lose their arrows. Fusion fits, every caption was
// measured with it, and being built into Qt Widgets it loads no plugin. The
// program's windows and notices all take the application's style, so it is
// set there.
void useFittingStyle()
{
    if (QApplication::style()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) == 0)
        return;
    // The colours stay those the desktop chose with its style: a dark style
    // brings its dark colours along.
    QPalette desktopColours = QApplication::palette();
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    if (QApplication::palette() != desktopColours) {
        // Every role, or Qt would fill in the unset ones from Fusion's own.
        desktopColours.setResolveMask(~QPalette::ResolveMask(0));
        QApplication::setPalette(desktopColours);
    }
}

// Over the picture, at its own resolution, in the user's language; right to
// left where the language is written so, the picture itself as it is.
void drawBannerLines(QLabel& banner)
{
    QPixmap picture = banner.pixmap();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(QColor(0, 0, 200));
    painter.setFont(bannerFont());
    const QFontMetrics metrics(painter.font());
    for (std::size_t line = 0; line < BannerLines.size(); ++line) {
        const QString text = QCoreApplication::translate("Ludrix", BannerLines[line]);
        const int width = metrics.horizontalAdvance(text);
        const int left = banner.isRightToLeft() ? BannerLineMargin + BannerLineWidth - width : BannerLineMargin;
        painter.drawText(QPointF(left, BannerFirstBaseline + BannerLineSpacing * static_cast<int>(line)), text);
    }
    painter.end();
    banner.setPixmap(picture);
}

} // namespace

Ludrix::Ludrix(QWidget* parent)
    : QWidget(parent,
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
            | Qt::WindowCloseButtonHint)
    , calculator_(*this, numberFormat(locale()))
{
    useFittingStyle();
    setObjectName(QStringLiteral("Ludrix"));
    setWindowTitle(ApplicationTitle);
    const QString iconPath = QStringLiteral(":/images/ludrix.png");
    QIcon icon(pictureFromResource(iconPath, 1));
    if (devicePixelRatioF() > 1)
        icon.addPixmap(pictureFromResource(iconPath, devicePixelRatioF()));
    setWindowIcon(icon);
    setFont(layoutFont(ControlFont::WindowFont));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, desktopColour());
    setPalette(palette);
    setFixedSize(pixels(ClientWidthTwips), pixels(ClientHeightTwips));

    buildLayout(*this, MainWindowControls);

    boxes_[slot(calc::Box::Diameter)] = findControl<ValueBox>(*this, "Diameter");
    boxes_[slot(calc::Box::Velocity)] = findControl<ValueBox>(*this, "Velocity");
    boxes_[slot(calc::Box::Flowrate)] = findControl<ValueBox>(*this, "Flowrate");
    unitLists_[slot(calc::UnitList::DiaUnit)] = findControl<QComboBox>(*this, "DiaUnit");
    unitLists_[slot(calc::UnitList::VelUnit)] = findControl<QComboBox>(*this, "VelUnit");
    unitLists_[slot(calc::UnitList::FlowUnit)] = findControl<QComboBox>(*this, "FlowUnit");
    // Each caption is the box's label for a screen reader as well.
    findControl<QLabel>(*this, "Label1")->setBuddy(boxes_[slot(calc::Box::Diameter)]);
    findControl<QLabel>(*this, "Label2")->setBuddy(boxes_[slot(calc::Box::Velocity)]);
    findControl<QLabel>(*this, "Label3")->setBuddy(boxes_[slot(calc::Box::Flowrate)]);

    Form_Load();

    connect(findControl<QPushButton>(*this, "Calculate"), &QPushButton::clicked, this,
        [this] { run(&calc::Calculator::Calculate_Click); });
    for (calc::UnitList list : { calc::UnitList::DiaUnit, calc::UnitList::VelUnit, calc::UnitList::FlowUnit }) {
        // activated, not currentIndexChanged: only a pick counts, and picking
        // the entry already shown counts too.
        connect(unitList(list), &QComboBox::activated, this, [this, list] { run(calc::pickOperation(list)); });
        // The list takes the focus and the keys for its text field, and hands
        // them on to the field directly, so the filter sits on the list.
        unitList(list)->installEventFilter(this);
        // The wheel gives no focus: rolling it on the way past picks nothing.
        unitList(list)->setFocusPolicy(Qt::StrongFocus);
    }
    for (QLineEdit* box : boxes_) {
        // Undo reaches back to when the user last came into the box; kept
        // for a whole session, the history would grow with every key.
        // A box the user leaves shows its number from the first digit when
        // the user comes back, as the boxes the program writes do.
        connect(box, &QLineEdit::editingFinished, box, [box] {
            box->setText(box->text());
            if (!box->hasFocus())
                box->setCursorPosition(0);
        });
    }
    connect(findControl<QPushButton>(*this, "Reset"), &QPushButton::clicked, this, &Ludrix::Reset_Click);
    connect(findControl<QPushButton>(*this, "Endin"), &QPushButton::clicked, this, &Ludrix::Endin_Click);
    connect(findControl<QPushButton>(*this, "AboutUs"), &QPushButton::clicked, this, &Ludrix::AboutUs_Click);
    auto* banner = findControl<ClickableLabel>(*this, "Image1");
    drawBannerLines(*banner);
    banner->setCursor(Qt::PointingHandCursor);
    connect(banner, &ClickableLabel::clicked, this, &Ludrix::Image1_Click);

    boxes_[slot(calc::Box::Diameter)]->setFocus();
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen()->availableGeometry()));
}

Ludrix::~Ludrix()
{
    // The main window is the program, and the About window has no owner to
    // go with: it ends here.
    delete program::About;
}

void Ludrix::Form_Load()
{
    fill(*unitList(calc::UnitList::DiaUnit), calc::UnitList::DiaUnit, calc::DiameterUnits, calculator_.format());
    fill(*unitList(calc::UnitList::VelUnit), calc::UnitList::VelUnit, calc::VelocityUnits, calculator_.format());
    calculator_.initialise();
    fill(*unitList(calc::UnitList::FlowUnit), calc::UnitList::FlowUnit, calc::FlowUnits, calculator_.format());
    // The program's own pick of the first flow unit. The flow box is still
    // empty, so this only records the unit and shows nothing.
    calculator_.FlowUnit_Click();
    for (QLineEdit* box : boxes_)
        box->clear();
}

void Ludrix::Reset_Click()
{
    for (QLineEdit* box : boxes_)
        box->clear();
}

void Ludrix::Endin_Click()
{
    close();
}

void Ludrix::Image1_Click()
{
    Navigate(QString::fromUtf8(MakerWebAddress));
}

void Ludrix::AboutUs_Click()
{
    // Built at the first click and kept: Close and the links only hide it.
    if (!program::About)
        program::About = new About(screen());
    program::About->show();
    program::About->raise();
    program::About->activateWindow();
}

void Ludrix::Navigate(QString NavTo)
{
    openLink(NavTo);
}

void Ludrix::closeEvent(QCloseEvent* event)
{
    // The main window is the program: closing it ends the run, and with it
    // any other window, shown or hidden.
    if (program::About)
        program::About->hide();
    event->accept();
    QCoreApplication::exit(0);
}

void Ludrix::run(void (calc::Calculator::*operation)())
{
    std::optional<std::string> failure;
    try {
        (calculator_.*operation)();
    } catch (const calc::ArithmeticError& error) {
        failure = error.what();
    }
    // A pick that failed is not recorded, and its list goes back to the unit
    // the box's number is in before the notice says why.
    showUnitsInForce();
    if (failure)
        showNotice(*failure);
}

// The unit lists' text fields accept typing, but only a pick from the list
// changes a unit. Once editing ends, the field shows the unit in force again,
// so that a typed "mm" never stands beside a diameter read in inches.
bool Ludrix::eventFilter(QObject* watched, QEvent* event)
{
    // Only the list the user is working in takes the wheel, so a roll over a
    // list on the way to somewhere else changes no unit.
    if (event->type() == QEvent::Wheel && !static_cast<QWidget*>(watched)->hasFocus())
        return true;
    const bool editingEnds = event->type() == QEvent::FocusOut
        || (event->type() == QEvent::KeyPress
            && (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return
                || static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter));
    if (editingEnds)
        showUnitsInForce();
    return QWidget::eventFilter(watched, event);
}

// Each list shows the unit of the calculator's state, from its first letter.
void Ludrix::showUnitsInForce()
{
    const calc::CalculatorState& state = calculator_.state();
    const std::array<int, 3> inForce { state.DiameterUnitIndex, state.VelocityUnitIndex, state.FlowUnitIndex };
    for (std::size_t i = 0; i < unitLists_.size(); ++i) {
        QComboBox* list = unitLists_[i];
        list->setCurrentIndex(inForce[i]);
        list->setEditText(list->itemText(inForce[i]));
        list->lineEdit()->setCursorPosition(0);
    }
}

std::string Ludrix::text(calc::Box box) const
{
    return boxes_[slot(box)]->text().toStdString();
}

void Ludrix::setText(calc::Box box, const std::string& text)
{
    QLineEdit* field = boxes_[slot(box)];
    field->setText(QString::fromStdString(text));
    // Left at the end, a number wider than its box would show its tail as a
    // smaller number once the user comes into the box.
    field->setCursorPosition(0);
}

void Ludrix::showNotice(std::string_view text)
{
    // Every notice the calculator gives is one of its marked texts.
    QMessageBox notice(QMessageBox::NoIcon, ApplicationTitle,
        QCoreApplication::translate("Notice", std::string(text).c_str()), QMessageBox::Ok, this);
    // Desktops with an icon theme put one on dialog buttons; the notice
    // carries no icon, and neither does its button.
    notice.button(QMessageBox::Ok)->setIcon(QIcon());
    notice.exec();
}

int Ludrix::selectedUnit(calc::UnitList list) const
{
    return unitList(list)->currentIndex();
}

QComboBox* Ludrix::unitList(calc::UnitList list) const
{
    return unitLists_[slot(list)];
}

} // namespace ui
