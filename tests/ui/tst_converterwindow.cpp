#include <QtTest>

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QFrame>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QTimer>

#include <memory>

#include "kit/announcer.h"
#include "kit/look.h"
#include "tests/support/toolfixture.h"
#include "ui/converterwindow.h"

namespace {

QStringList rowTexts(const QListWidget* list)
{
    QStringList texts;
    for (int row = 0; row < list->count(); ++row)
        texts << list->item(row)->text();
    return texts;
}

QPoint rowCentre(QListWidget* list, int row)
{
    return list->visualItemRect(list->item(row)).center();
}

void clickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = {})
{
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rowCentre(list, row));
}

void doubleClickRow(QListWidget* list, int row)
{
    clickRow(list, row);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, rowCentre(list, row));
}

// Chooses the item of the box's edit menu that Ctrl+V stands for.
void pasteFromEditMenu(QLineEdit* box)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2), box->mapToGlobal(QPoint(2, 2)));
    QApplication::sendEvent(box, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    QVERIFY(menu);
    const QString shortcut = QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* action : menu->actions())
        if (action->text().endsWith(shortcut))
            action->trigger();
    menu->close();
}

QColor backColour(const QWidget* widget)
{
    return widget->palette().color(QPalette::Window);
}

} // namespace

// The unit converter window, driven through its controls.
class tst_ConverterWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void opens_on_the_category_of_the_last_result_data();
    void opens_on_the_category_of_the_last_result();
    void opens_ready_for_the_first_keystroke();
    void remembers_the_source_unit_of_each_category();
    void keeps_the_unit_names_and_values_on_the_same_row();
    void the_source_list_never_loses_its_unit();
    void keeps_its_category_when_a_calculator_changes_tipo_medida();
    void rows_beyond_the_double_range_say_so_data();
    void rows_beyond_the_double_range_say_so();
    void each_value_is_read_out_with_its_unit();
    void copy_button_appears_beside_the_double_clicked_row_data();
    void copy_button_appears_beside_the_double_clicked_row();
    void only_numbers_reach_the_clipboard_data();
    void only_numbers_reach_the_clipboard();
    void tab_from_the_values_reaches_the_copy_button();
    void copy_and_paste_are_buttons_for_screen_readers_data();
    void copy_and_paste_are_buttons_for_screen_readers();
    void lists_show_where_the_focus_is_data();
    void lists_show_where_the_focus_is();
    void paste_button_shows_after_copying_a_positive_value_data();
    void paste_button_shows_after_copying_a_positive_value();
    void paste_button_shows_only_for_a_positive_number_data();
    void paste_button_shows_only_for_a_positive_number();
    void paste_puts_the_copied_number_in_the_box_data();
    void paste_puts_the_copied_number_in_the_box();
    void buttons_look_pressed_while_held_data();
    void buttons_look_pressed_while_held();
    void focus_selects_the_box_and_leaving_the_values_hides_the_copy_button();
    void closing_restores_the_menu_when_no_other_tool_is_open_data();
    void closing_restores_the_menu_when_no_other_tool_is_open();

private:
    ui::ConverterWindow* open(int tipoMedida);
    template <typename T>
    T* child(const char* name) const
    {
        T* widget = m_window->findChild<T*>(QString::fromLatin1(name));
        if (!widget)
            qFatal("no control %s", name);
        return widget;
    }
    QListWidget* list(int number) const
    {
        return child<QListWidget>(number == 1 ? "List1" : number == 2 ? "List2" : "List3");
    }
    QLineEdit* box() const { return child<QLineEdit>("txtCaja"); }
    // Chooses the source unit and types the value, as a user would.
    void enter(int unit, const QString& text);
    void copyRow(int row);

    std::unique_ptr<MenuFixture> m_fixture;
    QPointer<ui::ConverterWindow> m_window;
};

void tst_ConverterWindow::init()
{
    m_fixture = std::make_unique<MenuFixture>();
}

void tst_ConverterWindow::cleanup()
{
    delete m_window;
    m_fixture.reset();
}

ui::ConverterWindow* tst_ConverterWindow::open(int tipoMedida)
{
    m_fixture->var.TipoMedida = static_cast<std::int16_t>(tipoMedida);
    m_window = qobject_cast<ui::ConverterWindow*>(m_fixture->open(QStringLiteral("cmdButton2")));
    return m_window;
}

void tst_ConverterWindow::enter(int unit, const QString& text)
{
    clickRow(list(1), unit);
    box()->selectAll();
    QTest::keyClicks(box(), text);
}

void tst_ConverterWindow::copyRow(int row)
{
    doubleClickRow(list(3), row);
    QTest::mouseClick(child<QWidget>("lblCopy"), Qt::LeftButton);
}

void tst_ConverterWindow::opens_on_the_category_of_the_last_result_data()
{
    QTest::addColumn<int>("tipoMedida");
    QTest::addColumn<QString>("option");
    QTest::addColumn<QString>("sourceUnit");
    QTest::addColumn<int>("rows");
    // clang-format off
    QTest::newRow("tras un perímetro") << 0 << "Option1" << "Centímetro" << 9;
    QTest::newRow("tras un área") << 1 << "Option2" << "Pulgada²" << 10;
    QTest::newRow("tras un volumen") << 2 << "Option3" << "Centílitro" << 10;
    // clang-format on
}

void tst_ConverterWindow::opens_on_the_category_of_the_last_result()
{
    QFETCH(int, tipoMedida);
    QFETCH(QString, option);
    QFETCH(QString, sourceUnit);
    QFETCH(int, rows);
    open(tipoMedida);
    QCOMPARE(m_fixture->var.VentanasAbiertas, 1);
    QCOMPARE(m_fixture->var.TipoMedida, tipoMedida);
    for (const char* name : {"Option1", "Option2", "Option3"}) {
        const auto* button = child<QRadioButton>(name);
        const bool chosen = option == QLatin1String(name);
        QCOMPARE(button->isChecked(), chosen);
        QCOMPARE(backColour(button), chosen ? QColor(255, 255, 128) : QColor(255, 255, 255));
    }
    QCOMPARE(list(1)->count(), rows);
    QCOMPARE(list(1)->currentItem()->text(), sourceUnit);
    QCOMPARE(rowTexts(list(2)), rowTexts(list(1)));
    QCOMPARE(rowTexts(list(3)), QStringList(QList<QString>(rows, QStringLiteral("0"))));
    for (int number : {1, 2, 3})
        QCOMPARE(list(number)->selectedItems(), QList<QListWidgetItem*>{list(number)->item(1)});
    QCOMPARE(box()->text(), QStringLiteral("0"));
}

void tst_ConverterWindow::opens_ready_for_the_first_keystroke()
{
    open(0);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QCOMPARE(QApplication::focusWidget(), box());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_5);
    QCOMPARE(box()->text(), QStringLiteral("5"));
    QCOMPARE(list(3)->item(0)->text(), QStringLiteral("50"));
}

void tst_ConverterWindow::remembers_the_source_unit_of_each_category()
{
    open(0);
    enter(6, QStringLiteral("1")); // 1 Metro
    QTest::mouseClick(child<QRadioButton>("Option3"), Qt::LeftButton);
    QCOMPARE(m_fixture->var.TipoMedida, 2);
    QCOMPARE(list(1)->currentItem()->text(), QStringLiteral("Centímetro³"));
    QCOMPARE(list(2)->currentRow(), -1);
    QCOMPARE(list(3)->currentRow(), -1);
    QVERIFY(list(2)->selectedItems().isEmpty());
    QVERIFY(list(3)->selectedItems().isEmpty());

    QTest::mouseClick(child<QRadioButton>("Option1"), Qt::LeftButton);
    QCOMPARE(m_fixture->var.TipoMedida, 0);
    QCOMPARE(list(1)->currentItem()->text(), QStringLiteral("Metro"));
    QCOMPARE(list(3)->item(1)->text(), QStringLiteral("100"));
}

void tst_ConverterWindow::keeps_the_unit_names_and_values_on_the_same_row()
{
    open(2);
    clickRow(list(2), 4);
    QCOMPARE(list(3)->currentRow(), 4);
    clickRow(list(3), 7);
    QCOMPARE(list(2)->currentRow(), 7);
    QCOMPARE(list(2)->selectedItems(), QList<QListWidgetItem*>{list(2)->item(7)});
    enter(3, QStringLiteral("2")); // recomputing keeps the chosen row
    QCOMPARE(list(3)->currentRow(), 7);
    QCOMPARE(list(3)->currentItem()->text(), QStringLiteral("0.0125796215408642"));
}

void tst_ConverterWindow::the_source_list_never_loses_its_unit()
{
    open(0);
    clickRow(list(1), 3, Qt::ControlModifier);
    clickRow(list(1), 3, Qt::ControlModifier);
    QCOMPARE(list(1)->selectedItems(), QList<QListWidgetItem*>{list(1)->item(3)});
    QCOMPARE(list(3)->item(3)->text(), QStringLiteral("0"));
}

void tst_ConverterWindow::keeps_its_category_when_a_calculator_changes_tipo_medida()
{
    open(1);
    m_fixture->var.TipoMedida = 0; // a perimeter calculator has just shown a result
    enter(9, QStringLiteral("1")); // 1 Milla², a row the length list does not have
    QCOMPARE(list(3)->count(), 10);
    QCOMPARE(list(3)->item(5)->text(), QStringLiteral("2589988.110336"));
    QCOMPARE(m_fixture->var.TipoMedida, 0);
}

void tst_ConverterWindow::rows_beyond_the_double_range_say_so_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("laterUnit"); // chosen after typing; -1 for none
    QTest::addColumn<bool>("throughArea");
    QTest::addColumn<QString>("rows");
    const QString out = QStringLiteral("Fuera de rango");
    const QString centimetres = out
                                + QStringLiteral(";1E+308;3.93700787401575E+307;1E+307;3.28083989501312E+306;"
                                                 "1.09361329833771E+306;1E+306;1E+303;6.21371192237334E+302");
    // clang-format off
    QTest::newRow("1e308 en centímetros") << 1 << "1e308" << -1 << false << centimetres;
    QTest::newRow("1e305 en milímetros y luego millas") << 0 << "1e305" << 8 << false << QStringList(5, out).join(QLatin1Char(';')) + QStringLiteral(";1.76E+308;1.609344E+308;1.609344E+305;1E+305");
    QTest::newRow("1e308, área y de nuevo longitud") << 1 << "1e308" << -1 << true << centimetres;
    QTest::newRow("1E400 tecleado") << 1 << "1E400" << -1 << false << QStringList(9, out).join(QLatin1Char(';'));
    // clang-format on
}

// Typed key by key: every keystroke recomputes, and no row keeps a value of an earlier input.
void tst_ConverterWindow::rows_beyond_the_double_range_say_so()
{
    QFETCH(int, unit);
    QFETCH(QString, typed);
    QFETCH(int, laterUnit);
    QFETCH(bool, throughArea);
    QFETCH(QString, rows);
    open(0);
    enter(unit, typed);
    if (laterUnit >= 0)
        clickRow(list(1), laterUnit);
    if (throughArea) {
        QTest::mouseClick(child<QRadioButton>("Option2"), Qt::LeftButton);
        QTest::mouseClick(child<QRadioButton>("Option1"), Qt::LeftButton);
    }
    const int source = list(1)->currentRow();
    QCOMPARE(source, laterUnit >= 0 ? laterUnit : unit);
    QCOMPARE(rowTexts(list(3)).join(QLatin1Char(';')), rows);
    box()->selectAll();
    QTest::keyClick(box(), Qt::Key_3);
    QCOMPARE(list(3)->item(source)->text(), QStringLiteral("3"));
}

void tst_ConverterWindow::each_value_is_read_out_with_its_unit()
{
    open(0);
    enter(2, QStringLiteral("0.25")); // 0.25 Pulgada
    QCOMPARE(list(3)->item(0)->text(), QStringLiteral("6.35"));
    QCOMPARE(list(3)->item(0)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("6,35 milímetros"));
    QCOMPARE(list(3)->item(0)->toolTip(), QStringLiteral("6.35"));
    enter(8, QStringLiteral("1e305")); // Milla
    QCOMPARE(list(3)->item(0)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("Fuera de rango milímetros"));
    QCOMPARE(list(3)->item(8)->data(Qt::AccessibleTextRole).toString(), QStringLiteral("1E+305 millas"));
}

void tst_ConverterWindow::copy_button_appears_beside_the_double_clicked_row_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("top");
    // clang-format off
    QTest::newRow("primera fila") << 0 << 850;
    QTest::newRow("quinta fila") << 4 << 2830;
    QTest::newRow("última fila") << 9 << 5310;
    // clang-format on
}

void tst_ConverterWindow::copy_button_appears_beside_the_double_clicked_row()
{
    QFETCH(int, row);
    QFETCH(int, top);
    open(1);
    enter(1, QStringLiteral("1")); // 1 Pulgada²
    auto* frame = child<QFrame>("frmeCopy");
    doubleClickRow(list(3), row);
    QVERIFY(frame->isVisible());
    QCOMPARE(frame->geometry(), kit::twipsRect(8750, top, 495, 495));
    // What shows of it leaves the values' frame and focus ring uncovered.
    const QWidget* viewport = list(3)->viewport();
    const int ring = kit::kFocusMarkWidth;
    const QRect inside =
        QRect(viewport->mapTo(m_window, QPoint()), viewport->size()).adjusted(ring, ring, -ring, -ring);
    const QRegion shown = frame->mask().isEmpty() ? QRegion(frame->rect()) : frame->mask();
    QVERIFY(inside.contains(shown.boundingRect().translated(frame->pos())));
    const QPoint rowCentreInWindow = list(3)->viewport()->mapTo(m_window, rowCentre(list(3), row));
    QVERIFY2(qAbs(rowCentreInWindow.y() - frame->geometry().center().y()) <= 2, "beside the row");
    QTest::mouseClick(list(3)->viewport(), Qt::LeftButton, {}, rowCentre(list(3), row));
    QVERIFY2(!frame->isVisible(), "a click on the same row hides it");
    doubleClickRow(list(3), row);

    QTest::mouseClick(child<QWidget>("lblCopy"), Qt::LeftButton);
    QCOMPARE(m_fixture->desktop.clipboard, list(3)->item(row)->text());
    QVERIFY(!frame->isVisible());
}

void tst_ConverterWindow::only_numbers_reach_the_clipboard_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("copied"); // empty: the clipboard keeps what it held
    QTest::addColumn<QString>("working"); // the row's, "|" for a new line
    // clang-format off
    QTest::newRow("1 pie en milímetros") << 4 << "1" << 0 << "304.8" << "1 Pie = 1 · 304.8 Milímetro|= 304.8 Milímetro|(1 Pie = 304.8 Milímetro)";
    QTest::newRow("fila larga, entera") << 2 << "-1.2345678E-290" << 1 << "-3.135802212E-290" << "−1.2345678E-290 Pulgada = −1.2345678E-290 · 2.54 Centímetro|= −3.135802212E-290 Centímetro|(1 Pulgada = 2.54 Centímetro)";
    QTest::newRow("fila fuera de rango") << 1 << "1e308" << 0 << "" << "1E+308 Centímetro = 1E+308 · 10 Milímetro|= Fuera de rango";
    // clang-format on
}

// Ctrl+C on a row, the copy button and its screen-reader press alike; the
// row's working, shown before typing, follows it and goes whole with Ctrl+Shift+C.
void tst_ConverterWindow::only_numbers_reach_the_clipboard()
{
    QFETCH(int, unit);
    QFETCH(QString, typed);
    QFETCH(int, row);
    QFETCH(QString, copied);
    QFETCH(QString, working);
    const QString before = QStringLiteral("antes");
    const QString expected = copied.isEmpty() ? before : copied;
    open(0);
    const QSize ownSize = m_window->size();
    clickRow(list(3), row);
    child<QAbstractButton>("cmdDesarrollo")->click();
    enter(unit, typed);
    m_fixture->desktop.clipboard = before;
    clickRow(list(3), row);
    QTest::keyClick(list(3), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(m_fixture->desktop.clipboard, expected);

    m_fixture->desktop.clipboard = before;
    doubleClickRow(list(3), row);
    QCOMPARE(child<QWidget>("frmeCopy")->isVisible(), !copied.isEmpty());
    QAccessibleInterface* button = QAccessible::queryAccessibleInterface(child<QWidget>("lblCopy"));
    button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(m_fixture->desktop.clipboard, expected);

    QTRY_COMPARE(child<QPlainTextEdit>("txtDesarrollo")->toPlainText().remove('\t'),
                 QString(working).replace('|', '\n'));
    QTest::keyClick(list(3), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_fixture->desktop.clipboard, QString(working).replace('|', '\n'));
    child<QAbstractButton>("cmdDesarrollo")->click();
    QCOMPARE(m_window->size(), ownSize);
}

// The focus going from the values to the copy button beside them keeps it shown.
void tst_ConverterWindow::tab_from_the_values_reaches_the_copy_button()
{
    open(0);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    enter(4, QStringLiteral("1")); // 1 Pie
    list(3)->setFocus(Qt::OtherFocusReason);
    doubleClickRow(list(3), 0);
    QTest::keyClick(list(3), Qt::Key_Tab);
    auto* copy = child<QWidget>("lblCopy");
    QCOMPARE(QApplication::focusWidget(), copy);
    QVERIFY(child<QWidget>("frmeCopy")->isVisible());
    QTest::keyClick(copy, Qt::Key_Space);
    QCOMPARE(m_fixture->desktop.clipboard, QStringLiteral("304.8"));
    QCOMPARE(QApplication::focusWidget(), list(3));
    QVERIFY(!child<QWidget>("frmeCopy")->isVisible());
}

void tst_ConverterWindow::copy_and_paste_are_buttons_for_screen_readers_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("name");
    // clang-format off
    QTest::newRow("copiar") << "lblCopy" << "Copiar";
    QTest::newRow("pegar") << "lblPaste" << "Pegar";
    // clang-format on
}

void tst_ConverterWindow::copy_and_paste_are_buttons_for_screen_readers()
{
    QFETCH(QString, button);
    QFETCH(QString, name);
    open(0);
    enter(4, QStringLiteral("1")); // 1 Pie
    clickRow(list(3), 0);
    m_fixture->desktop.clipboard = QStringLiteral("12");
    QAccessibleInterface* found = QAccessible::queryAccessibleInterface(child<QWidget>(qPrintable(button)));
    QCOMPARE(found->role(), QAccessible::Button);
    QCOMPARE(found->text(QAccessible::Name), name);
    QVERIFY(found->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
    found->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    if (button == QLatin1String("lblCopy"))
        QTRY_COMPARE(m_fixture->desktop.clipboard, QStringLiteral("304.8"));
    else
        QTRY_COMPARE(box()->text(), QStringLiteral("12"));
}

void tst_ConverterWindow::lists_show_where_the_focus_is_data()
{
    QTest::addColumn<int>("number");
    // clang-format off
    QTest::newRow("unidad de origen") << 1;
    QTest::newRow("unidades") << 2;
    QTest::newRow("valores") << 3;
    // clang-format on
}

// The focus mark runs round the inside of the focused list.
void tst_ConverterWindow::lists_show_where_the_focus_is()
{
    QFETCH(int, number);
    open(0);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    QWidget* viewport = list(number)->viewport();
    const QPoint frameSide(0, viewport->height() - 10); // below the last row
    list(number)->setFocus(Qt::TabFocusReason);
    QCOMPARE(viewport->grab().toImage().pixelColor(frameSide), kit::kFocusMark);
    box()->setFocus(Qt::TabFocusReason);
    QCOMPARE(viewport->grab().toImage().pixelColor(frameSide), QColor(Qt::white));
}

void tst_ConverterWindow::paste_button_shows_after_copying_a_positive_value_data()
{
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("copied");
    QTest::addColumn<bool>("shown");
    // clang-format off
    QTest::newRow("1 pie en milímetros") << 4 << "1" << 0 << "304.8" << true;
    QTest::newRow("0 en metros") << 6 << "0" << 6 << "0" << false;
    // clang-format on
}

void tst_ConverterWindow::paste_button_shows_after_copying_a_positive_value()
{
    QFETCH(int, unit);
    QFETCH(QString, text);
    QFETCH(int, row);
    QFETCH(QString, copied);
    QFETCH(bool, shown);
    open(0);
    enter(unit, text);
    copyRow(row);
    QCOMPARE(m_fixture->desktop.clipboard, copied);
    QVERIFY(child<QTimer>("tmrClip")->isActive()); // the check comes a moment after the change
    m_window->tmrClip_Timer();
    QCOMPARE(child<QWidget>("lblPaste")->isVisible(), shown);
}

void tst_ConverterWindow::paste_button_shows_only_for_a_positive_number_data()
{
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("shown");
    // clang-format off
    QTest::newRow("número tras letras no") << "abc12" << false;
    QTest::newRow("1 MB de blancos y un 5") << QString(1 << 20, QLatin1Char(' ')) + QLatin1Char('5') << true;
    QTest::newRow("negativo con coma decimal") << "-0,5" << false;
    // clang-format on
}

void tst_ConverterWindow::paste_button_shows_only_for_a_positive_number()
{
    QFETCH(QString, clipboard);
    QFETCH(bool, shown);
    open(0);
    m_fixture->desktop.clipboard = clipboard;
    m_window->tmrClip_Timer();
    QCOMPARE(child<QWidget>("lblPaste")->isVisible(), shown);
}

void tst_ConverterWindow::paste_puts_the_copied_number_in_the_box_data()
{
    QTest::addColumn<QString>("how"); // the paste button, Ctrl+V in the box or the box's edit menu
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("firstRow");
    QTest::addColumn<QString>("said");
    const QString megabyte(1 << 20, QLatin1Char('7'));
    const QString none = QStringLiteral("No hay un número en el portapapeles");
    // clang-format off
    QTest::newRow("1 MB de cifras, más allá de un double: nada cambia") << "botón" << megabyte << "5" << "50" << none;
    QTest::newRow("caracteres de control") << "botón" << "\t1\n2\x01" "34" << "12" << "120" << "Pegado: 12";
    QTest::newRow("fila larga de Kilómetro²") << "botón" << "1.2345678901234E-10" << "1.2345678901234E-10" << "1.2345678901234E-09" << "Pegado: 1,2345678901234E-10";
    QTest::newRow("fila de 16 caracteres") << "botón" << "1234567890123.45" << "1234567890123.45" << "12345678901234.5" << "Pegado: 1234567890123,45";
    QTest::newRow("resultado agrupado con Ctrl+V") << "Ctrl+V" << "1,234.5" << "1234.5" << "12345" << "Pegado: 1234,5";
    QTest::newRow("medio con coma decimal con Ctrl+V") << "Ctrl+V" << "0,500" << "0.5" << "5" << "Pegado: 0,5";
    QTest::newRow("coma decimal desde el menú") << "menú" << "2,5" << "2.5" << "25" << "Pegado: 2,5";
    QTest::newRow("letras con Ctrl+V: nada cambia") << "Ctrl+V" << "abc" << "5" << "50" << none;
    QTest::newRow("portapapeles vacío con Ctrl+V: nada cambia") << "Ctrl+V" << "" << "5" << "50" << none;
    // clang-format on
}

// The button empties the clipboard of the number it pasted; the desktop's paste
// leaves it as it is.
void tst_ConverterWindow::paste_puts_the_copied_number_in_the_box()
{
    QFETCH(QString, how);
    QFETCH(QString, clipboard);
    QFETCH(QString, pasted);
    QFETCH(QString, firstRow);
    QFETCH(QString, said);
    open(0);
    enter(1, QStringLiteral("5")); // 5 Centímetro, the cursor after it: a paste replaces the value all the same
    m_fixture->desktop.clipboard = clipboard;
    if (how == QLatin1String("Ctrl+V"))
        QTest::keyClick(box(), Qt::Key_V, Qt::ControlModifier);
    else if (how == QStringLiteral("menú"))
        pasteFromEditMenu(box());
    else
        QTest::mouseClick(child<QWidget>("lblPaste"), Qt::LeftButton);
    QCOMPARE(box()->text(), pasted);
    QCOMPARE(list(3)->item(0)->text(), firstRow);
    QCOMPARE(m_window->findChild<kit::Announcer*>()->text(), said);
    const bool cleared = how == QStringLiteral("botón") && pasted != QLatin1String("5");
    QCOMPARE(m_fixture->desktop.clipboard, cleared ? QString() : clipboard);
}

void tst_ConverterWindow::buttons_look_pressed_while_held_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("background");
    // clang-format off
    QTest::newRow("copiar") << "lblCopy" << "frmeCopy";
    QTest::newRow("pegar") << "lblPaste" << "lblPaste";
    // clang-format on
}

void tst_ConverterWindow::buttons_look_pressed_while_held()
{
    QFETCH(QString, button);
    QFETCH(QString, background);
    open(0);
    auto* pressed = child<QWidget>(qPrintable(button));
    const auto* painted = child<QWidget>(qPrintable(background));
    QTest::mousePress(pressed, Qt::LeftButton);
    QCOMPARE(backColour(painted), QColor(220, 220, 220));
    QTest::mouseRelease(pressed, Qt::LeftButton);
    QCOMPARE(backColour(painted), QColor(250, 250, 250));
}

void tst_ConverterWindow::focus_selects_the_box_and_leaving_the_values_hides_the_copy_button()
{
    open(0);
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    box()->setText(QStringLiteral("123"));
    list(3)->setFocus();
    doubleClickRow(list(3), 2);
    QVERIFY(child<QWidget>("frmeCopy")->isVisible());
    box()->setFocus(Qt::OtherFocusReason);
    QVERIFY(!child<QWidget>("frmeCopy")->isVisible());
    QCOMPARE(box()->selectedText(), QStringLiteral("123"));
}

void tst_ConverterWindow::closing_restores_the_menu_when_no_other_tool_is_open_data()
{
    QTest::addColumn<int>("otherTools");
    // clang-format off
    QTest::newRow("solo el convertidor") << 0;
    QTest::newRow("con una calculadora abierta") << 1;
    // clang-format on
}

void tst_ConverterWindow::closing_restores_the_menu_when_no_other_tool_is_open()
{
    QFETCH(int, otherTools);
    QList<QPointer<QWidget>> calculators;
    for (int i = 0; i < otherTools; ++i)
        calculators << m_fixture->open(QStringLiteral("figArea"));
    open(0);
    QCOMPARE(m_fixture->var.VentanasAbiertas, otherTools + 1);
    m_window->close();
    QCOMPARE(m_fixture->var.VentanasAbiertas, otherTools);
    QCOMPARE(m_fixture->menuMinimized(), otherTools > 0);
    for (const QPointer<QWidget>& calculator : calculators)
        delete calculator.data();
}

QTEST_MAIN(tst_ConverterWindow)
#include "tst_converterwindow.moc"
