#include <QtTest>

#include <QPointer>

#include <memory>

#include "app/program.h"
#include "tests/support/run.h"
#include "tests/support/windows.h"
#include "ui/tools.h"

// The menu under a real Wayland compositor: a tool opened from it hides it, and
// the last tool to close brings it back on screen, every time. Wayland tells a
// client nothing about minimizing, so "on screen" is read from exposure: Qt marks
// a window unexposed when a repaint's frame callback does not come, which is what
// the compositor does for a window it does not show.
class tst_MenuWayland : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void the_last_tool_to_close_brings_the_menu_back_data();
    void the_last_tool_to_close_brings_the_menu_back();

private:
    bool menuShownWithin(int milliseconds) const;
    bool menuHiddenWithin(int milliseconds) const;

    std::unique_ptr<app::Program> m_program;
    QWidget* m_menu = nullptr;
};

namespace {

// Opens a tool through the menu's own item and returns its window.
QWidget* openFromMenu(QWidget* menu, const QString& item)
{
    const QWidgetList before = QApplication::topLevelWidgets();
    pressOpener(menu, item);
    const QWidgetList after = QApplication::topLevelWidgets();
    for (QWidget* window : after) {
        if (!before.contains(window) && window->isVisible())
            return window;
    }
    return nullptr;
}

} // namespace

bool tst_MenuWayland::menuShownWithin(int milliseconds) const
{
    return QTest::qWaitFor([this] { return m_menu->windowHandle()->isExposed(); }, milliseconds);
}

bool tst_MenuWayland::menuHiddenWithin(int milliseconds) const
{
    return QTest::qWaitFor(
        [this] {
            m_menu->update(); // asks for the frame callback that a hidden window never gets
            return !m_menu->windowHandle()->isExposed();
        },
        milliseconds);
}

void tst_MenuWayland::initTestCase()
{
    QVERIFY2(QGuiApplication::platformName().startsWith(QLatin1String("wayland")),
             "runs as a Wayland client, under tests/support/with-weston");
    m_program = std::make_unique<app::Program>(ui::kTools, QStringLiteral("es"));
    m_menu = startToMenu(*m_program);
    QVERIFY(m_menu);
    QVERIFY(QTest::qWaitForWindowExposed(m_menu, 5000));
}

void tst_MenuWayland::cleanupTestCase()
{
    m_program.reset();
}

void tst_MenuWayland::the_last_tool_to_close_brings_the_menu_back_data()
{
    QTest::addColumn<QStringList>("items");
    // The rows run in turn in one run, so the menu also comes back a second and third time.
    // clang-format off
    QTest::newRow("el convertidor") << QStringList{QStringLiteral("cmdButton2")};
    QTest::newRow("Pitágoras y regla de tres") << QStringList{QStringLiteral("pitTeorema")};
    QTest::newRow("dos calculadoras, hasta cerrar la última") << QStringList{QStringLiteral("figPerimetro"), QStringLiteral("figArea")};
    // clang-format on
}

void tst_MenuWayland::the_last_tool_to_close_brings_the_menu_back()
{
    QFETCH(QStringList, items);
    std::vector<QPointer<QWidget>> tools;
    for (const QString& item : items) {
        tools.emplace_back(openFromMenu(m_menu, item));
        QVERIFY2(tools.back(), qPrintable(item));
    }
    QVERIFY2(menuHiddenWithin(5000), "the compositor still shows the menu with a tool open");

    while (tools.size() > 1) {
        tools.back()->close();
        tools.pop_back();
        QVERIFY2(!menuShownWithin(300), "the menu came back with a tool still open");
    }
    tools.back()->close();
    QVERIFY2(menuShownWithin(5000), "the menu did not come back");
}

QTEST_MAIN(tst_MenuWayland)
#include "tst_menuwayland.moc"
