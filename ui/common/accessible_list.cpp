#include "ui/common/accessible_list.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QStringList>

namespace ui {

namespace {

// The list as the toolkit's own reading of it, children and actions alike,
// except that the name is the list's purpose.
class AccessibleList final : public QAccessibleWidget {
public:
    explicit AccessibleList(QComboBox* list)
        : QAccessibleWidget(list, QAccessible::ComboBox)
    {
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return list()->currentText();
        return QAccessibleWidget::text(t);
    }

    // The open list of entries first, then the text field.
    int childCount() const override { return list()->lineEdit() ? 2 : 1; }

    QAccessibleInterface* child(int index) const override
    {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(list()->view());
        if (index == 1 && list()->lineEdit())
            return QAccessible::queryAccessibleInterface(list()->lineEdit());
        return nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        if (child->object() == list()->view())
            return 0;
        if (list()->lineEdit() && child->object() == list()->lineEdit())
            return 1;
        return -1;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = list()->view()->isVisible();
        state.editable = list()->isEditable();
        return state;
    }

    QStringList actionNames() const override
    {
        return QStringList { showMenuAction(), pressAction() } + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override
    {
        if (action == showMenuAction() || action == pressAction()) {
            if (list()->view()->isVisible())
                list()->hidePopup();
            else
                list()->showPopup();
        } else {
            QAccessibleWidget::doAction(action);
        }
    }

private:
    QComboBox* list() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* listFactory(const QString& className, QObject* object)
{
    if (className == QLatin1String("QComboBox") && object && object->isWidgetType())
        return new AccessibleList(static_cast<QComboBox*>(object));
    return nullptr;
}

} // namespace

void announceListsByPurpose()
{
    QAccessible::installFactory(listFactory);
}

} // namespace ui
