#include "kit/accessibility.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

#include "kit/accessiblecheckitem.h"
#include "kit/accessiblelineedit.h"
#include "kit/accessiblelist.h"
#include "kit/accessibleworking.h"

namespace kit {
namespace {

// Named, a panel is a group the screen reader names on entering it; unnamed,
// a container it passes over.
class AccessiblePanel : public QAccessibleWidget {
public:
    explicit AccessiblePanel(QWidget* panel) : QAccessibleWidget(panel, QAccessible::Grouping) {}

    QAccessible::Role role() const override
    {
        return widget()->accessibleName().isEmpty() ? QAccessible::Client : QAccessible::Grouping;
    }
};

constexpr char kPassedOver[] = "kitPassedOver";

class PassedOverLabel : public QAccessibleWidget {
public:
    explicit PassedOverLabel(QWidget* label) : QAccessibleWidget(label, QAccessible::StaticText) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.invisible = true;
        return state;
    }
};

bool isList(const QString& className)
{
    return className == QLatin1String("QComboBox") || className == QLatin1String("QListWidget");
}

QAccessibleInterface* screenReaderFactory(const QString& className, QObject* object)
{
    // Asked again from here for Qt's own interface, which it then builds.
    static bool askingQt = false;
    if (isList(className) && !askingQt) {
        askingQt = true;
        QAccessibleInterface* own = QAccessible::queryAccessibleInterface(object);
        askingQt = false;
        return own ? focusableList(own) : nullptr;
    }
    if (className == QLatin1String("QLabel") && object->property(kPassedOver).toBool())
        return new PassedOverLabel(static_cast<QWidget*>(object));
    if (className == QLatin1String("QAction"))
        return accessibleCheckItem(static_cast<QAction*>(object));
    if (className == QLatin1String("QLineEdit"))
        return accessibleLineEdit(static_cast<QLineEdit*>(object));
    if (className == QLatin1String("QPlainTextEdit") && readsAsWorking(static_cast<QPlainTextEdit*>(object)))
        return accessibleWorking(static_cast<QPlainTextEdit*>(object));
    // Only frames of that very class: Qt's own frame-based parts keep theirs.
    if (className == QLatin1String("QFrame") && object->metaObject() == &QFrame::staticMetaObject
        && !static_cast<QWidget*>(object)->isWindow())
        return new AccessiblePanel(static_cast<QWidget*>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static const bool installed = (QAccessible::installFactory(screenReaderFactory), quietFocusSelections(), true);
    Q_UNUSED(installed);
}

void exposePanel(QFrame* panel, const QString& name)
{
    installAccessibility();
    panel->setAccessibleName(name);
}

void passOver(QLabel* label)
{
    installAccessibility();
    label->setProperty(kPassedOver, true);
    // Qt may have built its own interface already, for an event of the label's making.
    QAccessibleInterface* built = QAccessible::queryAccessibleInterface(label);
    if (built && !dynamic_cast<PassedOverLabel*>(built))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(built));
}

} // namespace kit
