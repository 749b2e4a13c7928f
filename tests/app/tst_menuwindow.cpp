#include <QtTest>

#include <QAccessible>
#include <QAction>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>

#include <vector>

#include "app/menuwindow.h"
#include "core/numbers.h"
#include "kit/clicklabel.h"
#include "kit/shapes.h"
#include "kit/toolwindow.h"
#include "tests/support/fakedesktop.h"
#include "tests/support/toolfixture.h"
#include "ui/tools.h"

namespace {

// Stands in for a real tool window: counted, and closed through the tool
// windows' own unload step.
class StubTool : public kit::ToolWindow {
    Q_OBJECT
public:
    using kit::ToolWindow::ToolWindow;
};

using MenuOnClose = kit::ToolWindow::MenuOnClose;

// The tools with stand-ins for the perimeter, about Pythagoras and the
// converter; every other opener has no window.
ui::ToolTable stubTools()
{
    static const std::vector<ui::Tool> rows = [] {
        std::vector<ui::Tool> tools(ui::kTools.begin(), ui::kTools.end());
        for (ui::Tool& tool : tools) {
            const QLatin1String name(tool.formName);
            if (name == QLatin1String("frmPerimetro") || name == QLatin1String("frmConvert"))
                tool.make = [](kit::ToolContext& c, const ui::Tool&) -> QWidget* {
                    return new StubTool(c, MenuOnClose::Restore);
                };
            else if (name == QLatin1String("frmSobrePit"))
                tool.make = [](kit::ToolContext& c, const ui::Tool&) -> QWidget* {
                    return new StubTool(c, MenuOnClose::Leave);
                };
            else
                tool.make = nullptr;
        }
        return tools;
    }();
    return {rows.data(), rows.size()};
}

void hover(QWidget* widget)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), widget->mapToGlobal(QPointF(2, 2)), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void paste(QLineEdit* box, const QString& text)
{
    box->selectAll();
    box->insert(text);
}

} // namespace

// The main menu: hover captions, the Pi box, the about box, opening tools and closing.
class tst_MenuWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void loading_sets_pi_from_the_box();
    void hover_names_the_item_and_lights_its_outline_data();
    void hover_names_the_item_and_lights_its_outline();
    void window_hover_welcomes_and_rests_every_outline();
    void pi_box_enter_accepts_only_3_14_to_3_15_data();
    void pi_box_enter_accepts_only_3_14_to_3_15();
    void pi_box_shows_a_plain_number_once_hidden_data();
    void pi_box_shows_a_plain_number_once_hidden();
    void pi_box_double_click_or_escape_restores_the_default_without_storing_data();
    void pi_box_double_click_or_escape_restores_the_default_without_storing();
    void pi_link_toggles_the_box();
    void about_link_shows_maker_and_version();
    void closing_asks_only_with_a_tool_open_data();
    void closing_asks_only_with_a_tool_open();
    void calculators_open_new_windows_and_the_last_close_restores_the_menu();
    void converter_is_restarted_and_counted_once();
    void about_pythagoras_is_single_and_never_minimizes();
    void an_item_without_a_window_does_nothing();
    void keyboard_reaches_every_picture_and_link_data();
    void keyboard_reaches_every_picture_and_link();
    void a_menu_opened_from_the_keyboard_starts_on_its_first_item_data();
    void a_menu_opened_from_the_keyboard_starts_on_its_first_item();

private:
    QAction* action(const char* name) const { return m_menu->findChild<QAction*>(QLatin1String(name)); }
    QLineEdit* piBox() const { return m_menu->findChild<QLineEdit*>(QStringLiteral("txtPi")); }
    template <typename T>
    T* child(const QString& name) const
    {
        return m_menu->findChild<T*>(name);
    }

    ToolFixture* m_fixture = nullptr;
    app::MenuWindow* m_menu = nullptr;
    int m_ends = 0;
};

void tst_MenuWindow::init()
{
    m_fixture = new ToolFixture;
    m_fixture->var.ValorPi = 0.0;
    m_ends = 0;
    m_menu = new app::MenuWindow(m_fixture->context, stubTools(), [this] { ++m_ends; });
    m_fixture->context.setMenu(m_menu);
    m_menu->show();
}

void tst_MenuWindow::cleanup()
{
    delete m_menu;
    delete m_fixture;
}

void tst_MenuWindow::loading_sets_pi_from_the_box()
{
    QCOMPARE(m_fixture->var.ValorPi, 3.14159265358979);
    QVERIFY(!piBox()->isVisible());
}

void tst_MenuWindow::hover_names_the_item_and_lights_its_outline_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<int>("litShape"); // 0 when none is lit
    // clang-format off
    QTest::newRow("figuras") << "cmdButton0" << "CÁLCULOS CON FIGURAS" << 1;
    QTest::newRow("pitágoras") << "cmdButton1" << "PITÁGORAS DE SAMOS" << 2;
    QTest::newRow("convertidor") << "cmdButton2" << "CONVERTIDOR DE UNIDADES" << 3;
    QTest::newRow("acerca de") << "lblLink0" << "ACERCA DE VANTRELO" << 0;
    QTest::newRow("ajustar pi") << "lblLink1" << "AJUSTAR PI" << 0;
    QTest::newRow("franja") << "lblShow" << "BIENVENIDO" << 0;
    // clang-format on
}

void tst_MenuWindow::hover_names_the_item_and_lights_its_outline()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    QFETCH(int, litShape);
    hover(child<kit::ClickLabel>(QStringLiteral("cmdButton1"))); // start from another lit shape
    hover(child<kit::ClickLabel>(control));
    QCOMPARE(child<QLabel>(QStringLiteral("lblShow"))->text(), caption);
    for (int shape = 1; shape <= 3; ++shape) {
        const int style = child<kit::RectShape>(QStringLiteral("Shape%1").arg(shape))->styleValue();
        QCOMPARE(style, shape == litShape ? 0 : 1);
    }
}

void tst_MenuWindow::window_hover_welcomes_and_rests_every_outline()
{
    hover(child<kit::ClickLabel>(QStringLiteral("cmdButton2")));
    hover(m_menu);
    QCOMPARE(child<QLabel>(QStringLiteral("lblShow"))->text(), QStringLiteral("BIENVENIDO"));
    for (int shape = 1; shape <= 3; ++shape)
        QCOMPARE(child<kit::RectShape>(QStringLiteral("Shape%1").arg(shape))->styleValue(), 1);
}

void tst_MenuWindow::pi_box_enter_accepts_only_3_14_to_3_15_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("shown"); // after Enter: the plain number, or the text kept for correcting
    // clang-format off
    QTest::newRow("3.14 exacto") << "3.14" << true << "3.14";
    QTest::newRow("3.15 exacto") << "3.15" << true << "3.15";
    QTest::newRow("3,1416 con la coma") << "3,1416" << true << "3.1416";
    QTest::newRow("3.1416abc") << "3.1416abc" << true << "3.1416";
    QTest::newRow("3.14000") << "3.14000" << true << "3.14";
    QTest::newRow("3.139") << "3.139" << false << "3.139";
    QTest::newRow("3.151") << "3.151" << false << "3.151";
    QTest::newRow("vacío") << "" << false << "";
    QTest::newRow("más allá de un doble") << "1e400" << false << "1e400";
    // clang-format on
}

void tst_MenuWindow::pi_box_enter_accepts_only_3_14_to_3_15()
{
    QFETCH(QString, typed);
    QFETCH(bool, accepted);
    QFETCH(QString, shown);
    QTest::mouseClick(child<kit::ClickLabel>(QStringLiteral("lblLink1")), Qt::LeftButton);
    piBox()->setFocus();
    piBox()->selectAll();
    QTest::keyClick(piBox(), Qt::Key_Delete);
    QTest::keyClicks(piBox(), typed);
    const double expectedPi = accepted ? core::readNumber(shown.toStdString()).value() : 3.14159265358979;
    QTest::keyClick(piBox(), Qt::Key_Return);
    QCOMPARE(m_fixture->var.ValorPi, expectedPi);
    QCOMPARE(piBox()->isVisible(), !accepted);
    // Accepted, the focus goes back to the link that opened the box.
    QCOMPARE(m_menu->focusWidget()->objectName(), accepted ? QStringLiteral("lblLink1") : QStringLiteral("txtPi"));
    QCOMPARE(piBox()->text(), shown);
    QCOMPARE(m_fixture->desktop.messages.size(), accepted ? std::size_t{0} : std::size_t{1});
    if (!accepted) {
        QCOMPARE(m_fixture->desktop.messages[0].text, QStringLiteral("Valor no permitido."));
        QCOMPARE(m_fixture->desktop.messages[0].icon, kit::DesktopServices::Icon::Exclamation);
    }
}

void tst_MenuWindow::pi_box_shows_a_plain_number_once_hidden_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("letras detrás desaparecen") << "3.1416abc" << "3.1416";
    QTest::newRow("vacío muestra cero") << "" << "0";
    QTest::newRow("más de 15 cifras") << "3.1415926535897932" << "3.14159265358979";
    QTest::newRow("punto final desaparece") << "3." << "3";
    QTest::newRow("fuera de rango queda como está") << "1e400" << "1e400";
    // clang-format on
}

// While shown, the box keeps the text as it is typed.
void tst_MenuWindow::pi_box_shows_a_plain_number_once_hidden()
{
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    auto* link = child<kit::ClickLabel>(QStringLiteral("lblLink1"));
    QTest::mouseClick(link, Qt::LeftButton);
    paste(piBox(), pasted);
    QCOMPARE(piBox()->text(), pasted);
    QTest::mouseClick(link, Qt::LeftButton);
    QCOMPARE(piBox()->text(), shown);
}

void tst_MenuWindow::pi_box_double_click_or_escape_restores_the_default_without_storing_data()
{
    QTest::addColumn<bool>("byKey");
    // clang-format off
    QTest::newRow("doble clic") << false;
    QTest::newRow("Escape") << true;
    // clang-format on
}

void tst_MenuWindow::pi_box_double_click_or_escape_restores_the_default_without_storing()
{
    QFETCH(bool, byKey);
    const auto restore = [this, byKey] {
        if (byKey)
            QTest::keyClick(piBox(), Qt::Key_Escape);
        else
            QTest::mouseDClick(piBox(), Qt::LeftButton);
    };
    paste(piBox(), QStringLiteral("3.145"));
    restore();
    QCOMPARE(piBox()->text(), QStringLiteral("3.14159265358979"));
    paste(piBox(), QStringLiteral("3.145"));
    QTest::keyClick(piBox(), Qt::Key_Enter);
    QCOMPARE(m_fixture->var.ValorPi, 3.145);
    restore();
    QCOMPARE(m_fixture->var.ValorPi, 3.145);
}

void tst_MenuWindow::pi_link_toggles_the_box()
{
    auto* link = child<kit::ClickLabel>(QStringLiteral("lblLink1"));
    QTest::mouseClick(link, Qt::LeftButton);
    QVERIFY(piBox()->isVisible());
    QCOMPARE(piBox()->cursorPosition(), piBox()->text().length());
    QVERIFY(!piBox()->hasFocus());
    // The sheet's link, under the box, takes no focus meanwhile.
    QVERIFY(!child<kit::ClickLabel>(QStringLiteral("lblLink2"))->isVisible());
    QTest::mouseClick(link, Qt::LeftButton);
    QVERIFY(!piBox()->isVisible());
    QVERIFY(child<kit::ClickLabel>(QStringLiteral("lblLink2"))->isVisible());
}

void tst_MenuWindow::about_link_shows_maker_and_version()
{
    QTest::mouseClick(child<kit::ClickLabel>(QStringLiteral("lblLink0")), Qt::LeftButton);
    QCOMPARE(m_fixture->desktop.aboutBoxes, 1);
    QCOMPARE(m_fixture->desktop.aboutAppText, QStringLiteral("Vantrelo"));
    // A version as releases number them, whatever the release.
    static const QRegularExpression about(QStringLiteral("^Milvane\r\nVantrelo: Versión \\d+\\.\\d+\\.\\d+$"));
    QVERIFY2(about.match(m_fixture->desktop.aboutOtherText).hasMatch(), qPrintable(m_fixture->desktop.aboutOtherText));
}

void tst_MenuWindow::closing_asks_only_with_a_tool_open_data()
{
    QTest::addColumn<QString>("opener"); // empty: no tool open
    QTest::addColumn<bool>("yes");
    QTest::addColumn<bool>("ends");
    // clang-format off
    QTest::newRow("sin herramientas") << "" << false << true;
    QTest::newRow("con una herramienta, no") << "pitAbout" << false << false;
    QTest::newRow("con una herramienta, sí") << "figPerimetro" << true << true;
    // clang-format on
}

void tst_MenuWindow::closing_asks_only_with_a_tool_open()
{
    QFETCH(QString, opener);
    QFETCH(bool, yes);
    QFETCH(bool, ends);
    if (!opener.isEmpty())
        action(qPrintable(opener))->trigger();
    m_fixture->desktop.answerYes = yes;
    QCOMPARE(m_menu->close(), ends);
    const QStringList asked{QStringLiteral("Está apunto de cerrar todo, ¿está seguro?")};
    QCOMPARE(m_fixture->desktop.questions, opener.isEmpty() ? QStringList() : asked);
    QCOMPARE(m_menu->isVisible(), !ends);
    QCOMPARE(m_ends, ends ? 1 : 0);
}

void tst_MenuWindow::calculators_open_new_windows_and_the_last_close_restores_the_menu()
{
    action("figPerimetro")->trigger();
    action("figPerimetro")->trigger();
    QCOMPARE(m_fixture->var.VentanasAbiertas, std::int16_t{2});
    QVERIFY(m_menu->isMinimized());
    QList<StubTool*> tools;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* tool = dynamic_cast<StubTool*>(window))
            tools << tool;
    }
    QCOMPARE(tools.size(), 2);
    tools[0]->close();
    QCOMPARE(m_fixture->var.VentanasAbiertas, std::int16_t{1});
    QVERIFY(m_menu->isMinimized());
    tools[1]->close();
    QCOMPARE(m_fixture->var.VentanasAbiertas, std::int16_t{0});
    QVERIFY(!m_menu->isMinimized());
}

void tst_MenuWindow::converter_is_restarted_and_counted_once()
{
    auto* button = child<kit::ClickLabel>(QStringLiteral("cmdButton2"));
    QTest::mouseClick(button, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_fixture->var.VentanasAbiertas, std::int16_t{1});
    QVERIFY(m_menu->isMinimized());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    int open = 0;
    for (QWidget* window : QApplication::topLevelWidgets())
        open += dynamic_cast<StubTool*>(window) ? 1 : 0;
    QCOMPARE(open, 1);
}

void tst_MenuWindow::about_pythagoras_is_single_and_never_minimizes()
{
    action("pitAbout")->trigger();
    action("pitAbout")->trigger();
    QCOMPARE(m_fixture->var.VentanasAbiertas, std::int16_t{1});
    QVERIFY(!m_menu->isMinimized());
}

void tst_MenuWindow::an_item_without_a_window_does_nothing()
{
    action("figVolumen")->trigger();
    action("pitTeorema")->trigger();
    QCOMPARE(m_fixture->var.VentanasAbiertas, std::int16_t{0});
    QVERIFY(!m_menu->isMinimized());
}

void tst_MenuWindow::keyboard_reaches_every_picture_and_link_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("caption");
    // clang-format off
    QTest::newRow("figuras") << "cmdButton0" << "CÁLCULOS CON FIGURAS";
    QTest::newRow("ajustar pi") << "lblLink1" << "AJUSTAR PI";
    QTest::newRow("hoja de resultados") << "lblLink2" << "HOJA DE RESULTADOS";
    // clang-format on
}

void tst_MenuWindow::keyboard_reaches_every_picture_and_link()
{
    QFETCH(QString, control);
    QFETCH(QString, caption);
    auto* target = child<kit::ClickLabel>(control);
    m_menu->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_menu));
    child<kit::ClickLabel>(QStringLiteral("lblLink0"))->setFocus(Qt::TabFocusReason);
    target->setFocus(Qt::TabFocusReason);
    QCOMPARE(child<QLabel>(QStringLiteral("lblShow"))->text(), caption);
    QCOMPARE(QAccessible::queryAccessibleInterface(target)->role(), QAccessible::Button);
    int clicks = 0;
    connect(target, &kit::ClickLabel::clicked, this, [&clicks] { ++clicks; });
    QTest::keyClick(target, Qt::Key_Return);
    QTest::keyClick(target, Qt::Key_Space);
    QCOMPARE(clicks, 2);
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
}

void tst_MenuWindow::a_menu_opened_from_the_keyboard_starts_on_its_first_item_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("byKey");
    QTest::addColumn<QString>("activeItem");
    // clang-format off
    QTest::newRow("figuras con Intro") << "cmdButton0" << true << "figPerimetro";
    QTest::newRow("pitágoras con Intro") << "cmdButton1" << true << "pitTeorema";
    QTest::newRow("figuras con el ratón") << "cmdButton0" << false << "";
    // clang-format on
}

void tst_MenuWindow::a_menu_opened_from_the_keyboard_starts_on_its_first_item()
{
    QFETCH(QString, button);
    QFETCH(bool, byKey);
    QFETCH(QString, activeItem);
    auto* target = child<kit::ClickLabel>(button);
    if (byKey)
        QTest::keyClick(target, Qt::Key_Return);
    else
        QTest::mouseClick(target, Qt::LeftButton);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QCOMPARE(menu->activeAction() ? menu->activeAction()->objectName() : QString(), activeItem);
    menu->close();
}

QTEST_MAIN(tst_MenuWindow)
#include "tst_menuwindow.moc"
