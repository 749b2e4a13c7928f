#include <QtTest>

#include <QAbstractButton>
#include <QAccessible>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <unistd.h>

#include "kit/announcer.h"
#include "kit/listbox.h"
#include "kit/sheet.h"
#include "tests/support/toolfixture.h"

namespace {

// Does what a step says in window: "box=text" types text into a box, "box!" presses
// Enter in it, "list#row" chooses a row of a list, "button*" clicks a button.
void run(QWidget* window, const QString& step)
{
    if (step.endsWith(QLatin1Char('*'))) {
        window->findChild<QAbstractButton*>(step.chopped(1))->click();
    } else if (step.contains(QLatin1Char('#'))) {
        const QStringList parts = step.split(QLatin1Char('#'));
        window->findChild<kit::ListBox*>(parts[0])->selectRow(parts[1].toInt());
    } else if (step.endsWith(QLatin1Char('!'))) {
        QTest::keyClick(window->findChild<QLineEdit*>(step.chopped(1)), Qt::Key_Return);
    } else {
        const QStringList parts = step.split(QLatin1Char('='));
        auto* box = window->findChild<QLineEdit*>(parts[0]);
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, parts[1]);
    }
}

// The last thing any announcer of window said.
QString said(const QWidget* window)
{
    return window->findChild<kit::Announcer*>()->text();
}

} // namespace

class tst_Sheet : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void ctrl_enter_notes_down_what_the_window_shows_data();
    void ctrl_enter_notes_down_what_the_window_shows();
    void the_sheet_keys_act_on_the_chosen_entry_data();
    void the_sheet_keys_act_on_the_chosen_entry();
    void enter_reopens_the_tool_with_its_values_data();
    void enter_reopens_the_tool_with_its_values();
    void closing_asks_only_while_entries_are_unkept_data();
    void closing_asks_only_while_entries_are_unkept();
    void a_saved_or_printed_sheet_holds_every_working_in_order_data();
    void a_saved_or_printed_sheet_holds_every_working_in_order();
    void a_failed_save_says_so_and_keeps_every_entry_data();
    void a_failed_save_says_so_and_keeps_every_entry();

private:
    // Notes down a cube of each side in sides, from one volume window.
    QWidget* noteCubes(const QString& sides);
    void press(const QString& keys);
    static QString sides(const QString& text);
    // Notes down the result of a tool opened by opener after steps.
    QWidget* noteDown(const QString& opener, const QStringList& steps);
    QListWidget* list() const { return topLevel(QStringLiteral("frmHoja"))->findChild<QListWidget*>(); }

    MenuFixture* m_fixture = nullptr;
};

void tst_Sheet::init()
{
    m_fixture = new MenuFixture;
}

void tst_Sheet::cleanup()
{
    delete m_fixture;
}

QWidget* tst_Sheet::noteDown(const QString& opener, const QStringList& steps)
{
    QWidget* window = m_fixture->open(opener);
    for (const QString& step : steps)
        run(window, step);
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Return, Qt::ControlModifier);
    return window;
}

void tst_Sheet::ctrl_enter_notes_down_what_the_window_shows_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QString>("entry"); // the entry's text, or "" for none
    QTest::addColumn<QString>("spoken");
    // clang-format off
    QTest::newRow("circumference, with Pi") << "figPerimetro" << QStringList{"Option8*", "Text1=2"} << "Perímetro: CIRCUNFERENCIA\nDiametro (D): 2 cm\nπ = 3.14159265358979\nP = π · D\n= π · 2\n= 2π cm\n≈ 3.14159265358979 · 2\n≈ 6.2832 cm (redondeado a 4 decimales)\nResultado: 6.2832 cm" << "Anotado: Resultado: 6,2832 centímetros";
    QTest::newRow("triangle") << "pitTeorema" << QStringList{"txtZ1=3", "txtZ2=4", "txtZ2!"} << "Teorema de Pitágoras y regla de tres: Triángulo\nx = 3\ny = 4\nh = √(x² + y²)\n= √(3² + 4²)\n= √(9 + 16)\n= √25\n= 5\nh = 5" << "Anotado: h = 5";
    QTest::newRow("proportion") << "pitTeorema" << QStringList{"txtZ3=2", "txtZ4=4", "txtZ5=3", "txtZ5!"} << "Teorema de Pitágoras y regla de tres: Equivalencia\nA = 2\nX = 4\nB = 3\nY = B · X / A\n= 3 · 4 / 2\n= 12 / 2\n= 6\nY = 6" << "Anotado: Y = 6";
    QTest::newRow("converter row") << "cmdButton2" << QStringList{"txtCaja=2", "List3#0"} << "Convertidor de unidades: Longitud\n2 Centímetro\n2 Centímetro = 2 · 10 Milímetro\n= 20 Milímetro\n(1 Centímetro = 10 Milímetro)\nResultado: 20 Milímetro" << "Anotado: Resultado: 20 milímetros";
    QTest::newRow("measure missing") << "figPerimetro" << QStringList{} << "" << "Nada que anotar: Faltan medidas";
    QTest::newRow("out of range") << "figArea" << QStringList{"Text1=1e200"} << "" << "Nada que anotar: Fuera de rango";
    QTest::newRow("no answer yet") << "pitTeorema" << QStringList{"txtZ1=3"} << "" << "Nada que anotar: Sin respuesta todavía";
    QTest::newRow("no value to convert") << "cmdButton2" << QStringList{"txtCaja="} << "" << "Nada que anotar: Escriba un valor";
    // clang-format on
}

void tst_Sheet::ctrl_enter_notes_down_what_the_window_shows()
{
    QFETCH(QString, opener);
    QFETCH(QStringList, steps);
    QFETCH(QString, entry);
    QFETCH(QString, spoken);
    QWidget* window = noteDown(opener, steps);
    const kit::Sheet* sheet = m_fixture->context.hasSheet() ? &m_fixture->context.sheet() : nullptr;
    QCOMPARE(sheet && sheet->count() == 1 ? sheet->text() : QString(), entry);
    QCOMPARE(said(window), spoken);
    // The user goes on typing in the tool.
    QCOMPARE(QApplication::activeWindow(), window);
    // A screen reader hears the entry by its spoken working.
    if (!entry.isEmpty()) {
        const kit::SheetEntry& noted = sheet->entries().front();
        QVERIFY(!noted.spoken.isEmpty());
        QCOMPARE(QAccessible::queryAccessibleInterface(list())->child(0)->text(QAccessible::Name),
                 noted.heading + QStringLiteral(". ") + noted.spoken);
    }
}

QWidget* tst_Sheet::noteCubes(const QString& sides)
{
    QWidget* window = m_fixture->open(QStringLiteral("figVolumen"));
    for (const QChar side : sides) {
        run(window, QStringLiteral("Text1=") + side);
        QTest::keyClick(window, Qt::Key_Return, Qt::ControlModifier);
    }
    return window;
}

// Presses keys in the sheet's list, the sheet's window active.
void tst_Sheet::press(const QString& keys)
{
    QWidget* sheet = topLevel(QStringLiteral("frmHoja"));
    sheet->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(sheet));
    list()->setFocus();
    if (!keys.isEmpty())
        QTest::keySequence(list(), QKeySequence(keys));
}

// The sides of the cubes whose entries text holds, in order.
QString tst_Sheet::sides(const QString& text)
{
    QString sides;
    const QRegularExpression arista(QStringLiteral("Arista \\(a\\): (\\d)"));
    for (auto match = arista.globalMatch(text); match.hasNext();)
        sides += match.next().captured(1);
    return sides;
}

void tst_Sheet::the_sheet_keys_act_on_the_chosen_entry_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("left"); // the cubes' sides left on the sheet
    QTest::addColumn<QString>("copied"); // and those on the clipboard
    QTest::addColumn<bool>("unsaved");
    // clang-format off
    QTest::newRow("the newest is chosen") << "Ctrl+C" << "234" << "4" << true;
    QTest::newRow("up and copy") << "Up, Ctrl+C" << "234" << "3" << true;
    QTest::newRow("down stops at the end") << "Up, Down, Down, Ctrl+C" << "234" << "4" << true;
    QTest::newRow("copy all") << "Ctrl+Shift+C" << "234" << "234" << false;
    QTest::newRow("delete the newest") << "Del" << "23" << "" << true;
    QTest::newRow("delete the first") << "Up, Up, Del, Ctrl+C" << "34" << "3" << true;
    QTest::newRow("delete all, then copy nothing") << "Del, Del, Del, Ctrl+C" << "" << "" << false;
    // clang-format on
}

void tst_Sheet::the_sheet_keys_act_on_the_chosen_entry()
{
    QFETCH(QString, keys);
    QFETCH(QString, left);
    QFETCH(QString, copied);
    QFETCH(bool, unsaved);
    noteCubes(QStringLiteral("234"));
    press(keys);
    const kit::Sheet& sheet = m_fixture->context.sheet();
    QCOMPARE(sides(sheet.text()), left);
    QCOMPARE(list()->count(), sheet.count());
    QCOMPARE(sides(m_fixture->desktop.clipboard), copied);
    QCOMPARE(sheet.unsaved(), unsaved);
}

void tst_Sheet::enter_reopens_the_tool_with_its_values_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<QStringList>("steps");
    // clang-format off
    QTest::newRow("cylinder") << "figVolumen" << QStringList{"Option4*", "Text1=2", "Text2=5"};
    QTest::newRow("triangle") << "pitTeorema" << QStringList{"txtZ0=5", "txtZ1=3", "txtZ1!"};
    QTest::newRow("proportion") << "pitTeorema" << QStringList{"txtZ3=2", "txtZ4=4", "txtZ5=3", "txtZ5!"};
    QTest::newRow("volume, third row") << "cmdButton2" << QStringList{"Option3*", "txtCaja=2.5", "List3#2"};
    // clang-format on
}

// Noted again from the window Enter opened, the entry is the same to the letter.
void tst_Sheet::enter_reopens_the_tool_with_its_values()
{
    QFETCH(QString, opener);
    QFETCH(QStringList, steps);
    const QPointer<QWidget> first = noteDown(opener, steps);
    const QString formName = first->objectName();
    press(QStringLiteral("Return"));
    QWidget* reopened = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != first && window->isVisible() && window->objectName() == formName)
            reopened = window;
    }
    QVERIFY(reopened);
    QVERIFY(QTest::qWaitForWindowActive(reopened));
    QTest::keyClick(reopened, Qt::Key_Return, Qt::ControlModifier);
    const auto& entries = m_fixture->context.sheet().entries();
    QCOMPARE(entries.size(), std::size_t{2});
    QCOMPARE(entries[1].text(), entries[0].text());
}

void tst_Sheet::closing_asks_only_while_entries_are_unkept_data()
{
    QTest::addColumn<QString>("noted"); // cubes' sides
    QTest::addColumn<QString>("keys"); // in the sheet then
    QTest::addColumn<bool>("asks");
    // clang-format off
    QTest::newRow("nothing noted") << "" << "" << false;
    QTest::newRow("one noted") << "2" << "" << true;
    QTest::newRow("copied whole") << "23" << "Ctrl+Shift+C" << false;
    QTest::newRow("one of two copied") << "23" << "Ctrl+C" << true;
    QTest::newRow("each copied") << "23" << "Ctrl+C, Up, Ctrl+C" << false;
    QTest::newRow("removed") << "2" << "Del" << false;
    // clang-format on
}

void tst_Sheet::closing_asks_only_while_entries_are_unkept()
{
    QFETCH(QString, noted);
    QFETCH(QString, keys);
    QFETCH(bool, asks);
    noteCubes(noted)->close();
    if (m_fixture->context.hasSheet())
        press(keys);
    QCOMPARE(m_fixture->menu.close(), !asks);
    const QStringList question{QStringLiteral(
        "La hoja de resultados tiene anotaciones sin guardar ni copiar, que se perderán. ¿Cerrar de todos modos?")};
    QCOMPARE(m_fixture->desktop.questions, asks ? question : QStringList());
}

void tst_Sheet::a_saved_or_printed_sheet_holds_every_working_in_order_data()
{
    QTest::addColumn<QString>("keys");
    // clang-format off
    QTest::newRow("saved") << "Ctrl+S";
    QTest::newRow("printed") << "Ctrl+P";
    // clang-format on
}

void tst_Sheet::a_saved_or_printed_sheet_holds_every_working_in_order()
{
#ifndef VANTRELO_PDFTOTEXT
    QSKIP("install the package poppler-utils to run it");
#else
    QFETCH(QString, keys);
    QTemporaryDir folder;
    const QString pdf = folder.filePath(QStringLiteral("hoja.pdf"));
    m_fixture->desktop.savePath = pdf;
    m_fixture->desktop.printAccepted = true;
    noteCubes(QStringLiteral("234"));
    press(keys);
    if (!m_fixture->desktop.printed.isEmpty()) {
        QFile printed(pdf);
        QVERIFY(printed.open(QIODevice::WriteOnly));
        printed.write(m_fixture->desktop.printed);
    }
    QProcess pdftotext;
    pdftotext.start(QStringLiteral(VANTRELO_PDFTOTEXT), {pdf, QStringLiteral("-")});
    QVERIFY(pdftotext.waitForFinished());
    const QString text = QString::fromUtf8(pdftotext.readAllStandardOutput());
    QVERIFY2(text.startsWith(QLatin1String("Hoja de resultados")), qPrintable(text));
    QCOMPARE(sides(text), QStringLiteral("234"));
    const QRegularExpression results(QStringLiteral("= 8 cm³.*= 27 cm³.*= 64 cm³"),
                                     QRegularExpression::DotMatchesEverythingOption);
    QVERIFY2(results.match(text).hasMatch(), qPrintable(text));
    QVERIFY(!m_fixture->context.sheet().unsaved());
#endif
}

void tst_Sheet::a_failed_save_says_so_and_keeps_every_entry_data()
{
    QTest::addColumn<QString>("folder"); // under a fresh one
    QTest::addColumn<bool>("writable");
    // clang-format off
    QTest::newRow("folder not there") << "missing" << true;
    if (geteuid() != 0) // the administrator writes anywhere
        QTest::newRow("folder without write permission") << "" << false;
    // clang-format on
}

void tst_Sheet::a_failed_save_says_so_and_keeps_every_entry()
{
    QFETCH(QString, folder);
    QFETCH(bool, writable);
    QTemporaryDir base;
    const QString path = base.filePath(folder + QStringLiteral("/hoja.pdf"));
    QFile(base.path())
        .setPermissions(writable ? QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                 : QFile::ReadOwner | QFile::ExeOwner);
    m_fixture->desktop.savePath = path;
    noteCubes(QStringLiteral("234"));
    press(QStringLiteral("Ctrl+S"));
    QFile(base.path()).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QCOMPARE(m_fixture->desktop.messages.size(), std::size_t{1});
    QVERIFY2(m_fixture->desktop.messages[0].text.startsWith(QStringLiteral("No se pudo guardar la hoja en ") + path),
             qPrintable(m_fixture->desktop.messages[0].text));
    QVERIFY(QDir(base.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).isEmpty());
    QCOMPARE(sides(m_fixture->context.sheet().text()), QStringLiteral("234"));
    QVERIFY(m_fixture->context.sheet().unsaved());
}

QTEST_MAIN(tst_Sheet)
#include "tst_sheet.moc"
