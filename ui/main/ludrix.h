// The calculator's window: three value boxes with a unit list beside each,
// the command buttons, the instructions, the maker's logo and banner.
#pragma once

#include <QString>
#include <QWidget>
#include <array>

#include "calc/calculator.h"

class QComboBox;

namespace ui {

class ValueBox;

// The application's title: the window's caption and every notice's.
inline const QString ApplicationTitle = QStringLiteral("Ludrix");

class Ludrix final : public QWidget, private calc::CalculatorWindow {
    Q_OBJECT

public:
    explicit Ludrix(QWidget* parent = nullptr);
    ~Ludrix() override;

    void Navigate(QString NavTo);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void Reset_Click();
    void Endin_Click();
    void Image1_Click();
    void AboutUs_Click();

    // A calculator operation, with an arithmetic failure told as a notice.
    void run(void (calc::Calculator::*operation)());
    void showUnitsInForce();

    std::string text(calc::Box box) const override;
    void setText(calc::Box box, const std::string& text) override;
    void showNotice(std::string_view text) override;
    int selectedUnit(calc::UnitList list) const override;

    QComboBox* unitList(calc::UnitList list) const;

    std::array<ValueBox*, 3> boxes_ {};
    std::array<QComboBox*, 3> unitLists_ {};
    calc::Calculator calculator_;
};

} // namespace ui
