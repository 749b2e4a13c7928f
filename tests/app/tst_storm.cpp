#include <QtTest>

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QRegularExpression>

#include <random>

#include "app/menuwindow.h"
#include "core/numbers.h"
#include "kit/clicklabel.h"
#include "kit/toolwindow.h"
#include "tests/support/toolfixture.h"
#include "tests/support/windows.h"
#include "ui/tools.h"

// A long, seeded run of random user actions over the menu and every tool
// window, checking after each one that nothing shows "inf" or "nan", that every
// result is a number text that reads back finite or says "Fuera de rango", and
// that the count of open tool windows and the menu's state stay right.
class tst_Storm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void random_actions_keep_every_window_sound();

private:
    QList<kit::ToolWindow*> openTools() const;
    QWidget* randomWindow();
    void openRandomTool();
    void closeRandomTool();
    void actOn(QWidget* window);
    void typeInto(QLineEdit* box);
    void useCombo(QComboBox* combo);
    void useList(QListWidget* list);
    void fillClipboard();
    void settle();
    void checkInvariants(const char* step);
    template <typename T>
    T* pick(const QList<T*>& items)
    {
        return items.isEmpty() ? nullptr : items[index(items.size())];
    }
    int index(qsizetype size) { return std::uniform_int_distribution<int>(0, int(size) - 1)(m_random); }
    bool chance(int percent) { return index(100) < percent; }

    MenuFixture* m_fixture = nullptr;
    app::MenuWindow* m_menu = nullptr;
    std::mt19937 m_random;
    int m_openings = 0;
};

namespace {

// Keys a user might press in a number box; no letter that could spell inf or nan.
const QStringList kTypedTexts = {
    QStringLiteral("0"),     QStringLiteral("1"),     QStringLiteral("2"),    QStringLiteral("3"), QStringLiteral("4"),
    QStringLiteral("5"),     QStringLiteral("6"),     QStringLiteral("7"),    QStringLiteral("8"), QStringLiteral("9"),
    QStringLiteral("."),     QStringLiteral(","),     QStringLiteral("-"),    QStringLiteral("e"), QStringLiteral("E"),
    QStringLiteral(" "),     QStringLiteral("b"),     QStringLiteral("x"),    QStringLiteral("é"), QStringLiteral("ñ"),
    QStringLiteral("1e400"), QStringLiteral("1e200"), QStringLiteral("9e307")};
const Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Backspace};

// Types text as key presses carrying that text, accented letters included.
void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// A run is repeatable: its seed and length come from the environment when set,
// so that a long soak is one command (README).
unsigned long fromEnvironment(const char* name, unsigned long fallback)
{
    bool ok = false;
    const unsigned long value = qEnvironmentVariable(name).toULong(&ok);
    return ok ? value : fallback;
}

bool showsBadNumber(const QString& text)
{
    const QString lower = text.toLower();
    return lower.contains(QLatin1String("inf")) || lower.contains(QLatin1String("nan"));
}

// A value as the windows write one: a number text that reads back to a finite
// number, or exactly the text for a value beyond the double range.
bool isShownValue(const QString& text)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9][0-9,]*(\\.[0-9]+)?(E[-+][0-9]+)?$"));
    if (text == QLatin1String("Fuera de rango"))
        return true;
    return number.match(text).hasMatch() && core::readNumber(text.toStdString()).has_value();
}

} // namespace

void tst_Storm::init()
{
    m_random.seed(static_cast<std::mt19937::result_type>(fromEnvironment("VANTRELO_STORM_SEED", 20261207)));
    m_fixture = new MenuFixture;
    m_menu = &m_fixture->menu;
}

void tst_Storm::cleanup()
{
    delete m_fixture;
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

QList<kit::ToolWindow*> tst_Storm::openTools() const
{
    QList<kit::ToolWindow*> tools;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* tool = dynamic_cast<kit::ToolWindow*>(window);
        if (tool && tool->isVisible())
            tools << tool;
    }
    return tools;
}

void tst_Storm::openRandomTool()
{
    pressOpener(m_menu, QString::fromLatin1(ui::kTools[index(ui::kTools.size())].opener));
    ++m_openings;
    // Timers run at once so that their work happens between the events below.
    for (kit::ToolWindow* tool : openTools()) {
        for (QTimer* timer : tool->findChildren<QTimer*>())
            timer->setInterval(0);
    }
}

void tst_Storm::closeRandomTool()
{
    const QList<kit::ToolWindow*> tools = openTools();
    kit::ToolWindow* tool = pick(tools);
    if (!tool)
        return;
    // The window about Pythagoras never restores the menu, by design.
    const bool aboutOpen = std::any_of(tools.begin(), tools.end(),
                                       [](QWidget* w) { return w->objectName() == QLatin1String("frmSobrePit"); });
    tool->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (m_fixture->var.VentanasAbiertas == 0 && !aboutOpen)
        QVERIFY2(!m_menu->isMinimized(), "the last tool window closed and the menu stayed minimized");
}

QWidget* tst_Storm::randomWindow()
{
    QList<QWidget*> windows{m_menu};
    for (kit::ToolWindow* tool : openTools())
        windows << tool;
    return pick(windows);
}

void tst_Storm::typeInto(QLineEdit* box)
{
    if (chance(20)) {
        box->window()->activateWindow();
        box->setFocus(Qt::OtherFocusReason);
    }
    if (chance(15))
        QTest::keyClick(box, kKeys[index(std::size(kKeys))]);
    else
        typeText(box, kTypedTexts[index(kTypedTexts.size())]);
}

void tst_Storm::useCombo(QComboBox* combo)
{
    if (combo->isEditable() && chance(30))
        typeText(combo, chance(50) ? QStringLiteral("dm³") : QStringLiteral("mm³"));
    else
        QTest::keyClick(combo, chance(50) ? Qt::Key_Down : Qt::Key_Up);
}

void tst_Storm::useList(QListWidget* list)
{
    if (list->count() == 0)
        return;
    QListWidgetItem* item = list->item(index(list->count()));
    const QPoint centre = list->visualItemRect(item).center();
    if (chance(30))
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, centre);
    else
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, centre);
}

void tst_Storm::fillClipboard()
{
    const QString texts[] = {QStringLiteral("304.8"),
                             QStringLiteral("-6"),
                             QStringLiteral("1E400"),
                             QString(1 << 20, QLatin1Char('9')),
                             QStringLiteral("\x01\x02\t\r\n5"),
                             QString::fromUtf8("\xff\xfe"
                                               "12"),
                             QString()};
    m_fixture->desktop.setClipboardText(texts[index(std::size(texts))]);
}

void tst_Storm::actOn(QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (child->isVisibleTo(window) && child->isEnabled() && !qobject_cast<QMenu*>(child))
            controls << child;
    }
    QWidget* control = pick(controls);
    if (auto* box = qobject_cast<QLineEdit*>(control); box && !box->isReadOnly())
        typeInto(box);
    else if (auto* combo = qobject_cast<QComboBox*>(control))
        useCombo(combo);
    else if (auto* list = qobject_cast<QListWidget*>(control))
        useList(list);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->click();
    else if (auto* label = qobject_cast<kit::ClickLabel*>(control))
        QTest::mouseClick(label, Qt::LeftButton);
    else if (QAction* setting = pick(window->findChildren<QAction*>()); setting && chance(5))
        setting->trigger();
}

void tst_Storm::settle()
{
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_Storm::checkInvariants(const char* step)
{
    const QList<kit::ToolWindow*> tools = openTools();
    QVERIFY2(m_fixture->var.VentanasAbiertas == tools.size(), step);
    QList<QWidget*> windows{m_menu};
    for (kit::ToolWindow* tool : tools)
        windows << tool;
    for (QWidget* window : windows) {
        for (QLineEdit* box : window->findChildren<QLineEdit*>())
            QVERIFY2(!showsBadNumber(box->text()), qPrintable(box->objectName() + QLatin1String(": ") + box->text()));
        if (auto* answer = window->findChild<QLineEdit*>(QStringLiteral("txtAnswer")))
            QVERIFY2(isShownValue(answer->text()), qPrintable(answer->text()));
        if (auto* values = window->findChild<QListWidget*>(QStringLiteral("List3"))) {
            for (int row = 0; row < values->count(); ++row) {
                const QString text = values->item(row)->text();
                QVERIFY2(isShownValue(text), qPrintable(text));
            }
        }
    }
}

void tst_Storm::random_actions_keep_every_window_sound()
{
    const unsigned long events = fromEnvironment("VANTRELO_STORM_EVENTS", 2000);
    for (unsigned long event = 0; event < events; ++event) {
        if (chance(2) || openTools().isEmpty())
            openRandomTool();
        else if (chance(1) || openTools().size() > 6)
            closeRandomTool();
        else if (chance(2))
            fillClipboard();
        else
            actOn(randomWindow());
        settle();
        checkInvariants("after a random action");
        if (QTest::currentTestFailed())
            return;
    }
    qInfo("%lu events, %d windows opened", events, m_openings);
}

QTEST_MAIN(tst_Storm)
#include "tst_storm.moc"
