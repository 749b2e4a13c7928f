#include <QtTest>

#include <QAccessible>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include <memory>

#include "kit/look.h"
#include "tests/support/toolfixture.h"
#include "ui/pitagoraswindow.h"

namespace {

// How the user asks for a context menu. X11 sends the context-menu key both as a
// key and as a keyboard context-menu request; other platforms send only the key.
enum class MenuRequest { MenuKey, ShiftF10, KeyboardRequest, RightClick };

void request(QWidget* widget, MenuRequest how)
{
    switch (how) {
    case MenuRequest::MenuKey:
        QTest::keyClick(widget, Qt::Key_Menu);
        break;
    case MenuRequest::ShiftF10:
        QTest::keyClick(widget, Qt::Key_F10, Qt::ShiftModifier);
        break;
    case MenuRequest::KeyboardRequest:
    case MenuRequest::RightClick: {
        const auto reason = how == MenuRequest::RightClick ? QContextMenuEvent::Mouse : QContextMenuEvent::Keyboard;
        const QPoint inside(2, 2);
        QContextMenuEvent event(reason, inside, widget->mapToGlobal(inside));
        QApplication::sendEvent(widget, &event);
        break;
    }
    }
}

} // namespace

Q_DECLARE_METATYPE(MenuRequest)

class tst_PitagorasWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void enter_walk_solves_the_missing_box_data();
    void enter_walk_solves_the_missing_box();
    void automatic_answer_recomputes_the_oldest_box_data();
    void automatic_answer_recomputes_the_oldest_box();
    void space_resets_only_its_own_part_data();
    void space_resets_only_its_own_part();
    void leaving_a_box_that_reads_zero_puts_0_back_data();
    void leaving_a_box_that_reads_zero_puts_0_back();
    void mode_key_slides_the_panel_29_steps_each_way();
    void settings_menu_opens_only_on_the_free_panel();
    void keyboard_reaches_both_settings_data();
    void keyboard_reaches_both_settings();

private:
    ui::PitagorasWindow* openWindow();
    QLineEdit* box(int index) const;
    QTimer* timer(const char* name) const;
    void clickBox(int index);
    void pressEnter(int index);

    std::unique_ptr<MenuFixture> m_fixture;
    QPointer<ui::PitagorasWindow> m_window;
};

void tst_PitagorasWindow::init()
{
    m_fixture = std::make_unique<MenuFixture>();
    m_window = openWindow();
}

void tst_PitagorasWindow::cleanup()
{
    delete m_window;
    m_fixture.reset();
}

ui::PitagorasWindow* tst_PitagorasWindow::openWindow()
{
    return qobject_cast<ui::PitagorasWindow*>(m_fixture->open(QStringLiteral("pitTeorema")));
}

QLineEdit* tst_PitagorasWindow::box(int index) const
{
    return m_window->findChild<QLineEdit*>(QStringLiteral("txtZ%1").arg(index));
}

QTimer* tst_PitagorasWindow::timer(const char* name) const
{
    return m_window->findChild<QTimer*>(QString::fromLatin1(name));
}

void tst_PitagorasWindow::clickBox(int index)
{
    QTest::mouseClick(box(index), Qt::LeftButton);
    QCoreApplication::processEvents();
}

void tst_PitagorasWindow::pressEnter(int index)
{
    QTest::keyClick(box(index), Qt::Key_Return);
    QCoreApplication::processEvents();
}

void tst_PitagorasWindow::enter_walk_solves_the_missing_box_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<bool>("automatic");
    QTest::addColumn<int>("target");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("working"); // "|" for a new line

    // clang-format off
    QTest::newRow("triángulo 3 4 5 con respuesta automática") << 1 << QStringList{"3", "4"} << true << 0 << "5" << "h = √(x² + y²)|= √(3² + 4²)|= √(9 + 16)|= √25|= 5";
    QTest::newRow("catetos 1 y 2 con respuesta automática: el cateto x sigue siendo 1") << 1 << QStringList{"1", "2"} << true << 0 << "2.2361" << "h = √(x² + y²)|= √(1² + 2²)|= √(1 + 4)|= √5|≈ 2.2361 (redondeado a 4 decimales)";
    QTest::newRow("proporción 7 3 10 da Y con respuesta automática") << 3 << QStringList{"7", "3", "10"} << true << 6 << "4.2857" << "Y = B · X / A|= 10 · 3 / 7|= 30/7|≈ 4.2857 (redondeado a 4 decimales)";
    QTest::newRow("triángulo 3 4 5 sin respuesta automática") << 1 << QStringList{"3", "4"} << false << 0 << "5" << "h = √(x² + y²)|= √(3² + 4²)|= √(9 + 16)|= √25|= 5";
    QTest::newRow("proporción 2 3 4 da A 1.5") << 4 << QStringList{"2", "3", "4"} << false << 3 << "1.5" << "A = X · B / Y|= 2 · 3 / 4|= 6 / 4|= 1.5";
    QTest::newRow("proporción 5 1 3 da A redondeada") << 4 << QStringList{"5", "1", "3"} << false << 3 << "1.6667" << "A = X · B / Y|= 5 · 1 / 3|= 5/3|≈ 1.6667 (redondeado a 4 decimales)";
    QTest::newRow("hipotenusa fuera de rango") << 1 << QStringList{"1e308", "1.5e308"} << true << 0 << "Fuera de rango" << "h = √(x² + y²)|= √((1E+308)² + (1.5E+308)²)|= √(1E+616 + 2.25E+616)|= √(3.25E+616)|= 5E+307√13|= Fuera de rango";
    QTest::newRow("catetos 1,5 y 2 con la coma") << 1 << QStringList{"1,5", "2"} << false << 0 << "2.5" << "h = √(x² + y²)|= √(1.5² + 2²)|= √(2.25 + 4)|= √6.25|= 2.5";
    // clang-format on
}

void tst_PitagorasWindow::enter_walk_solves_the_missing_box()
{
    QFETCH(int, first);
    QFETCH(QStringList, typed);
    QFETCH(bool, automatic);
    QFETCH(int, target);
    QFETCH(QString, answer);
    QFETCH(QString, working);

    if (!automatic)
        m_window->findChild<QAction*>(QStringLiteral("mTime"))->trigger();
    clickBox(first);
    int current = first;
    for (const QString& text : typed) {
        QCOMPARE(box(target)->text(), QStringLiteral("0"));
        QTest::keyClicks(box(current), text);
        pressEnter(current);
        current = current == 2 ? 0 : current == 6 ? 3 : current + 1;
    }

    QCOMPARE(box(target)->text(), answer);
    QCOMPARE(QApplication::focusWidget(), box(target));
    QCOMPARE(box(target)->cursorPosition(), answer.size());
    QVERIFY(m_fixture->desktop.messages.empty());

    // The working of the answer, from F3 or the settings menu, copied as it shows.
    if (automatic)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3);
    else
        m_window->findChild<QAction*>(QStringLiteral("mDesarrollo"))->trigger();
    // The answer just written is not solved again, and a Tab round, which
    // empties each "0" it enters and puts it back, is no change: two seconds
    // after each, the working is still the answer's.
    working.replace('|', '\n');
    const QString linedUp = QString(working).replace(QLatin1String("\n"), QLatin1String("\n\t"));
    const auto twoSecondsOn = [this] {
        for (int second = 0; second < 2 && timer("tmrAuto")->isActive(); ++second)
            m_window->tmrAuto_Timer();
        QCoreApplication::processEvents();
        return m_window->findChild<QPlainTextEdit*>(QStringLiteral("txtDesarrollo"))->toPlainText();
    };
    QCOMPARE(twoSecondsOn(), linedUp);
    for (int step = 0; step < core::kBoxCount + 2; ++step) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCoreApplication::processEvents();
    }
    QCOMPARE(twoSecondsOn(), linedUp);
    QCOMPARE(box(target)->text(), answer);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_fixture->desktop.clipboard, working);
}

void tst_PitagorasWindow::automatic_answer_recomputes_the_oldest_box_data()
{
    QTest::addColumn<QList<int>>("visits");
    QTest::addColumn<QString>("newText");
    QTest::addColumn<QStringList>("triangle");
    QTest::addColumn<int>("messages");
    QTest::addColumn<QString>("working"); // "|" for a new line

    // clang-format off
    QTest::newRow("cateto y cambiado: la hipotenusa es la más antigua") << QList<int>{1, 2} << "4.5" << QStringList{"5.4083", "3", "4.5"} << 0 << "h = √(x² + y²)|= √(3² + 4.5²)|= √(9 + 20.25)|= √29.25|= 1.5√13|≈ 5.4083 (redondeado a 4 decimales)";
    QTest::newRow("cateto x cambiado a 6: el cateto y es el más antiguo") << QList<int>{1} << "6" << QStringList{"5", "6", "4"} << 1 << "h = √(x² + y²)|La hipotenusa debe ser mayor que los catetos.";
    QTest::newRow("cateto x negativo: sin respuesta") << QList<int>{1} << "-3" << QStringList{"5", "-3", "4"} << 0 << "h = √(x² + y²)|Sin respuesta: los valores conocidos deben ser positivos.";
    // clang-format on
}

void tst_PitagorasWindow::automatic_answer_recomputes_the_oldest_box()
{
    QFETCH(QList<int>, visits);
    QFETCH(QString, newText);
    QFETCH(QStringList, triangle);
    QFETCH(int, messages);
    QFETCH(QString, working);

    m_window->findChild<QAction*>(QStringLiteral("mDesarrollo"))->trigger();
    clickBox(1);
    QTest::keyClicks(box(1), QStringLiteral("3"));
    pressEnter(1);
    QTest::keyClicks(box(2), QStringLiteral("4"));
    pressEnter(2);
    m_window->tmrAuto_Timer();
    for (int index : visits)
        clickBox(index);
    box(visits.last())->selectAll();
    QTest::keyClicks(box(visits.last()), newText);
    QVERIFY(timer("tmrAuto")->isActive());
    bool tickingUnderMessage = false;
    m_fixture->desktop.whileMessageShown = [this, &tickingUnderMessage] {
        tickingUnderMessage = timer("tmrAuto")->isActive();
    };

    m_window->tmrAuto_Timer();

    QVERIFY(!tickingUnderMessage);
    QCOMPARE((QStringList{box(0)->text(), box(1)->text(), box(2)->text()}), triangle);
    QCOMPARE(int(m_fixture->desktop.messages.size()), messages);
    if (messages > 0) {
        QCOMPARE(m_fixture->desktop.messages.front().text,
                 QStringLiteral("La hipotenusa debe ser mayor que los catetos."));
        QCOMPARE(m_fixture->desktop.messages.front().icon, kit::DesktopServices::Icon::Error);
    }
    QVERIFY(!timer("tmrAuto")->isActive());
    // The working of the boxes as they are: never the earlier answer's.
    QCoreApplication::processEvents();
    QString shown = m_window->findChild<QPlainTextEdit*>(QStringLiteral("txtDesarrollo"))->toPlainText();
    QCOMPARE(shown.remove(QLatin1Char('\t')), working.replace('|', '\n'));
}

void tst_PitagorasWindow::space_resets_only_its_own_part_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("expected");

    // clang-format off
    QTest::newRow("espacio en el cateto a") << 1 << QStringList{"0", "0 ", "0", "4", "5", "6", "7"};
    QTest::newRow("espacio en Y") << 6 << QStringList{"1", "2", "3", "0", "0", "0", "0 "};
    // clang-format on
}

void tst_PitagorasWindow::space_resets_only_its_own_part()
{
    QFETCH(int, index);
    QFETCH(QStringList, expected);
    for (int i = 0; i < 7; ++i)
        box(i)->setText(QString::number(i + 1));
    clickBox(index);

    QTest::keyClick(box(index), Qt::Key_Space);

    QStringList texts;
    for (int i = 0; i < 7; ++i)
        texts << box(i)->text();
    QCOMPARE(texts, expected);
}

void tst_PitagorasWindow::leaving_a_box_that_reads_zero_puts_0_back_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");

    // clang-format off
    QTest::newRow("vacía") << "" << "0";
    QTest::newRow("cero con decimales") << "0.000" << "0";
    QTest::newRow("número") << "7abc" << "7abc";
    QTest::newRow("número desbordado") << "1e400" << "1e400";
    // clang-format on
}

void tst_PitagorasWindow::leaving_a_box_that_reads_zero_puts_0_back()
{
    QFETCH(QString, typed);
    QFETCH(QString, left);
    clickBox(3);
    QCOMPARE(box(3)->text(), QString());

    QTest::keyClicks(box(3), typed);
    clickBox(4);

    QCOMPARE(box(3)->text(), left);
    QCOMPARE(box(4)->text(), QString());
}

void tst_PitagorasWindow::mode_key_slides_the_panel_29_steps_each_way()
{
    auto* cmdMode = m_window->findChild<QPushButton*>(QStringLiteral("cmdMode"));
    // The first box in view, emptied for typing; the buttons below the client area take no focus.
    QCOMPARE(QApplication::focusWidget(), box(1));
    QCOMPARE(box(1)->text(), QString());
    const QRect boxYAtRest = box(6)->geometry();
    QTimer* tmrMode = timer("tmrMode");

    // Tabbing through a proportion box is no key press there: the part stays the triangle.
    clickBox(3);
    QTest::keyClick(box(3), Qt::Key_Tab);
    QCoreApplication::processEvents();
    // Control+M types no Enter (its character) into the box it is pressed in.
    QTest::keyClick(box(4), Qt::Key_M, Qt::ControlModifier);
    QCOMPARE(box(4)->text(), QString());
    QCOMPARE(QApplication::focusWidget(), box(4));
    QCOMPARE(cmdMode->text(), QStringLiteral("Triángulo"));
    QVERIFY(tmrMode->isActive());
    for (int step = 0; step < 29; ++step)
        m_window->tmrMode_Timer();
    QCOMPARE(m_window->panelLeft(), -3480);
    QCOMPARE(box(5)->mapTo(m_window, QPoint()).x(), kit::px(4680 - 3480));
    QCOMPARE(box(6)->geometry(), boxYAtRest);
    QVERIFY(tmrMode->isActive());
    m_window->tmrMode_Timer();
    QVERIFY(!tmrMode->isActive());
    QCOMPARE(m_window->panelLeft(), -3480);

    cmdMode->click(); // as a screen reader presses it
    QCOMPARE(cmdMode->text(), QStringLiteral("Equivalencia"));
    for (int step = 0; step < 29; ++step)
        m_window->tmrMode_Timer();
    QCOMPARE(m_window->panelLeft(), 0);
    m_window->tmrMode_Timer();
    QVERIFY(!tmrMode->isActive());
    QCOMPARE(box(5)->mapTo(m_window, QPoint()).x(), kit::px(4680));
}

void tst_PitagorasWindow::settings_menu_opens_only_on_the_free_panel()
{
    auto* panel = m_window->findChild<QWidget*>(QStringLiteral("frmeMode"));
    auto* mMenu = m_window->findChild<QMenu*>(QStringLiteral("mMenu"));
    for (const char* item : {"mDecimal", "mTime"})
        QVERIFY(m_window->findChild<QAction*>(QString::fromLatin1(item))->isChecked());

    QTest::mouseClick(panel->findChild<QWidget*>(QStringLiteral("Label1")), Qt::RightButton);
    QVERIFY(!mMenu->isVisible());
    QTest::mouseClick(panel, Qt::LeftButton, {}, QPoint(kit::px(2580), kit::px(400)));
    QVERIFY(!mMenu->isVisible());
    QTest::mouseClick(panel, Qt::RightButton, {}, QPoint(kit::px(2580), kit::px(400)));
    QVERIFY(mMenu->isVisible());
    mMenu->hide();
}

void tst_PitagorasWindow::keyboard_reaches_both_settings_data()
{
    QTest::addColumn<QString>("focus");
    QTest::addColumn<MenuRequest>("how");
    QTest::addColumn<bool>("opensSettings");
    // clang-format off
    QTest::newRow("tecla de menú en la hipotenusa") << "txtZ0" << MenuRequest::MenuKey << true;
    QTest::newRow("Mayús+F10 en Y") << "txtZ6" << MenuRequest::ShiftF10 << true;
    QTest::newRow("petición de teclado en A") << "txtZ3" << MenuRequest::KeyboardRequest << true;
    QTest::newRow("Mayús+F10 en Equivalencia") << "cmdMode" << MenuRequest::ShiftF10 << true;
    QTest::newRow("petición de teclado en Equivalencia") << "cmdMode" << MenuRequest::KeyboardRequest << true;
    QTest::newRow("clic derecho en el cateto a: su menú de edición") << "txtZ1" << MenuRequest::RightClick << false;
    // clang-format on
}

void tst_PitagorasWindow::keyboard_reaches_both_settings()
{
    QFETCH(QString, focus);
    QFETCH(MenuRequest, how);
    QFETCH(bool, opensSettings);
    auto* mMenu = m_window->findChild<QMenu*>(QStringLiteral("mMenu"));
    auto* focused = m_window->findChild<QWidget*>(focus);
    focused->setFocus();
    QCoreApplication::processEvents();

    const QStringList items = {QStringLiteral("mDecimal"), QStringLiteral("mTime")};
    for (int item = 0; item < items.size(); ++item) {
        request(focused, how);
        if (!opensSettings) {
            QWidget* editMenu = QApplication::activePopupWidget();
            QVERIFY(editMenu && editMenu != mMenu);
            editMenu->close();
            return;
        }
        QVERIFY(mMenu->isVisible());
        // A screen reader hears whether each item is ticked: from its state when it is, from its name when not.
        QAccessibleInterface* menu = QAccessible::queryAccessibleInterface(mMenu);
        for (int row = 0; row < menu->childCount(); ++row) {
            const QAction* action = mMenu->actions().at(row);
            const bool ticked = action->isChecked();
            QCOMPARE(bool(menu->child(row)->state().checked), ticked);
            QCOMPARE(menu->child(row)->text(QAccessible::Name).endsWith(QStringLiteral(", no marcada")),
                     action->isCheckable() && !ticked);
        }
        // It opens on its first item, which a screen reader reads out.
        QCOMPARE(mMenu->activeAction() ? mMenu->activeAction()->objectName() : QString(), items[0]);
        for (int step = 0; step < item; ++step)
            QTest::keyClick(mMenu, Qt::Key_Down);
        QTest::keyClick(mMenu, Qt::Key_Return);
        QVERIFY(!mMenu->isVisible());
        QVERIFY(!m_window->findChild<QAction*>(items[item])->isChecked());
        QVERIFY(m_window->findChild<QAction*>(items[1 - item])->isChecked() == (item == 0));
    }
    // A screen reader reads out the way in.
    const QWidget* panel = m_window->findChild<QWidget*>(QStringLiteral("frmeMode"));
    for (const QWidget* told : {static_cast<const QWidget*>(m_window), panel})
        QVERIFY(told->accessibleDescription().contains(QStringLiteral("Mayúsculas+F10")));
}

QTEST_MAIN(tst_PitagorasWindow)
#include "tst_pitagoraswindow.moc"
