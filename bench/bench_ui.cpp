// Keystroke latency inside the process, without a display server: one key into a
// measure box of an area window until its answer box holds the new result, and
// one key into the converter's input box until every value row is rewritten;
// then both again with the working shown.
// Each keystroke is timed on its own with a steady clock; the keys alternate
// between a digit and Backspace so that every one changes the text. Then the
// growth of resident memory while each tool is opened and closed 1,000 times.
// The results sheet too: noting a result down, opening and scrolling a sheet of
// 1,000 entries, saving 100 as a PDF.
// Prints "name value" lines (microseconds, KiB) for ./scripts/bench.

#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "app/menuwindow.h"
#include "app/qtdesktop.h"
#include "kit/assets.h"
#include "kit/basvar.h"
#include "kit/sheet.h"
#include "kit/sheetwindow.h"
#include "kit/toolcontext.h"
#include "kit/toolwindow.h"
#include "tests/support/windows.h"
#include "ui/tools.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kWarmUp = 500;
constexpr int kKeystrokes = 20000;
constexpr int kFirstOpenings = 100;
constexpr int kOpenings = 1000;
constexpr int kSheetEntries = 100;

struct Samples {
    std::vector<double> untilResult; // µs from the key press until the text is set
    std::vector<double> untilPainted; // µs until the window has also been repainted
};

double percentile(std::vector<double> values, double fraction)
{
    std::sort(values.begin(), values.end());
    const auto rank = static_cast<std::size_t>(std::ceil(fraction * static_cast<double>(values.size())));
    return values[std::max<std::size_t>(rank, 1) - 1];
}

void press(QWidget* box, Qt::Key key, const QString& text)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(box, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(box, &up);
}

// Types into box and reads the outcome with shown(); a keystroke whose outcome
// did not change counts as a failure of the window, not as a fast sample.
Samples typeInto(QWidget* box, const std::function<QString()>& shown)
{
    Samples samples;
    samples.untilResult.reserve(kKeystrokes);
    samples.untilPainted.reserve(kKeystrokes);
    for (int i = 0; i < kWarmUp + kKeystrokes; ++i) {
        const QString before = shown();
        const bool digit = i % 2 == 0;
        const Clock::time_point start = Clock::now();
        press(box, digit ? Qt::Key_7 : Qt::Key_Backspace, digit ? QStringLiteral("7") : QString());
        const Clock::time_point result = Clock::now();
        QApplication::processEvents();
        const Clock::time_point painted = Clock::now();
        if (shown() == before) {
            std::fprintf(stderr, "keystroke %d changed nothing (%s)\n", i, qPrintable(before));
            std::exit(1);
        }
        if (i < kWarmUp)
            continue;
        samples.untilResult.push_back(std::chrono::duration<double, std::micro>(result - start).count());
        samples.untilPainted.push_back(std::chrono::duration<double, std::micro>(painted - start).count());
    }
    return samples;
}

void report(const char* name, const Samples& samples)
{
    std::printf("%s_result_p50_us %.2f\n", name, percentile(samples.untilResult, 0.50));
    std::printf("%s_result_p99_us %.2f\n", name, percentile(samples.untilResult, 0.99));
    std::printf("%s_painted_p50_us %.2f\n", name, percentile(samples.untilPainted, 0.50));
    std::printf("%s_painted_p99_us %.2f\n", name, percentile(samples.untilPainted, 0.99));
    std::printf("%s_keystrokes %zu\n", name, samples.untilResult.size());
}

QString allRows(const QListWidget* values)
{
    QString rows;
    for (int row = 0; row < values->count(); ++row)
        rows += values->item(row)->text() + QLatin1Char('\n');
    return rows;
}

// Builds a tool window on its own, by form name, and shows it.
QWidget* open(const char* formName, kit::ToolContext& context)
{
    const auto tool = std::find_if(ui::kTools.begin(), ui::kTools.end(),
                                   [formName](const ui::Tool& t) { return std::strcmp(t.formName, formName) == 0; });
    QWidget* window = tool->make(context, *tool);
    window->show();
    QApplication::processEvents();
    return window;
}

long residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * 4 : 0;
}

// Opens a tool through the menu's own item or picture button, as a user does,
// then closes it and lets it go.
void openAndClose(app::MenuWindow& menu, const char* opener, const char* formName)
{
    pressOpener(&menu, opener);
    QApplication::processEvents();
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QLatin1String(formName) && window->isVisible())
            window->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Resident memory gained a round over the first hundred openings and closings of
// one tool (after the first, which loads what every later one shares), then over
// openings more.
void growthPerOpening(app::MenuWindow& menu, const char* opener, const char* formName, int openings)
{
    openAndClose(menu, opener, formName);
    const long start = residentKiB();
    for (int i = 0; i < kFirstOpenings; ++i)
        openAndClose(menu, opener, formName);
    const long afterFirst = residentKiB();
    for (int i = 0; i < openings; ++i)
        openAndClose(menu, opener, formName);
    std::printf("openclose_%s_first_kib %.2f\n", formName, double(afterFirst - start) / kFirstOpenings);
    std::printf("openclose_%s_kib %.2f\n", formName, double(residentKiB() - afterFirst) / openings);
    std::fflush(stdout);
}

double msSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The results sheet: one result noted down from an area window until the sheet
// shows it; a sheet of 1,000 entries opened until painted, then scrolled a page
// at a time; a sheet of 100 entries saved as a PDF.
void sheet(kit::BasVar& var, kit::DesktopServices& desktop)
{
    kit::ToolContext context(var, desktop);
    auto* area = static_cast<kit::ToolWindow*>(open("frmArea", context));
    area->findChild<QLineEdit*>(QStringLiteral("Text1"))->setText(QStringLiteral("12.5"));
    std::vector<double> adds;
    for (int i = 0; i < kSheetEntries; ++i) {
        const auto start = Clock::now();
        area->noteDown();
        QApplication::processEvents();
        adds.push_back(msSince(start));
    }
    std::printf("sheet_add_p99_ms %.3f\n", percentile(adds, 0.99));
    // The same on a sheet that already holds 1,000 entries.
    const kit::SheetEntry first = context.sheet().entries().front();
    while (context.sheet().count() < 1000)
        context.sheet().add(first);
    adds.clear();
    for (int i = 0; i < kSheetEntries; ++i) {
        const auto start = Clock::now();
        area->noteDown();
        QApplication::processEvents();
        adds.push_back(msSince(start));
    }
    std::printf("sheet_add_at_1000_p99_ms %.3f\n", percentile(adds, 0.99));
    while (context.sheet().count() > kSheetEntries)
        context.sheet().remove(context.sheet().count() - 1);
    const kit::SheetEntry entry = context.sheet().entries().front();
    delete topLevel(QStringLiteral("frmHoja"));
    delete area;
    QTemporaryDir folder;
    QString error;
    const auto pdfStart = Clock::now();
    const bool saved = context.showSheet(false)->writePdf(folder.filePath(QStringLiteral("hoja.pdf")), error);
    std::printf("sheet_pdf_100_ms %.1f\n", saved ? msSince(pdfStart) : -1.0);
    delete topLevel(QStringLiteral("frmHoja"));

    while (context.sheet().count() < 1000)
        context.sheet().add(entry);
    const auto openStart = Clock::now();
    QWidget* window = context.showSheet(true);
    window->repaint();
    std::printf("sheet_open_1000_ms %.1f\n", msSince(openStart));
    auto* list = window->findChild<QListWidget*>();
    QApplication::processEvents();
    std::vector<double> frames;
    for (int page = 0; page < 100; ++page) {
        const auto start = Clock::now();
        list->verticalScrollBar()->setValue(list->verticalScrollBar()->value() + list->verticalScrollBar()->pageStep());
        list->viewport()->repaint();
        frames.push_back(msSince(start));
    }
    std::printf("sheet_scroll_frame_max_ms %.2f\n", *std::max_element(frames.begin(), frames.end()));
    std::printf("sheet_scrolled_px %d\n", list->verticalScrollBar()->value());
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    kit::loadAssets();
    kit::BasVar var;
    var.ValorPi = kit::kDefaultPi;
    app::QtDesktop desktop;
    kit::ToolContext context(var, desktop);

    QWidget* area = open("frmArea", context);
    auto* text1 = area->findChild<QLineEdit*>(QStringLiteral("Text1"));
    auto* answer = area->findChild<QLineEdit*>(QStringLiteral("txtAnswer"));
    text1->setText(QStringLiteral("12.5"));
    report("area", typeInto(text1, [answer] { return answer->text(); }));

    QWidget* converter = open("frmConvert", context);
    auto* caja = converter->findChild<QLineEdit*>(QStringLiteral("txtCaja"));
    auto* values = converter->findChild<QListWidget*>(QStringLiteral("List3"));
    caja->setText(QStringLiteral("12.5"));
    report("converter", typeInto(caja, [values] { return allRows(values); }));
    std::printf("converter_rows %d\n", values->count());

    delete converter;
    delete area;

    // The same with the working shown, which every keystroke writes anew; the
    // converter's is that of a row in another unit.
    var.workingShown = true;
    area = open("frmArea", context);
    text1 = area->findChild<QLineEdit*>(QStringLiteral("Text1"));
    answer = area->findChild<QLineEdit*>(QStringLiteral("txtAnswer"));
    text1->setText(QStringLiteral("12.5"));
    report("area_working", typeInto(text1, [answer] { return answer->text(); }));
    converter = open("frmConvert", context);
    caja = converter->findChild<QLineEdit*>(QStringLiteral("txtCaja"));
    values = converter->findChild<QListWidget*>(QStringLiteral("List3"));
    converter->findChild<QListWidget*>(QStringLiteral("List2"))->setCurrentRow(4);
    caja->setText(QStringLiteral("12.5"));
    report("converter_working", typeInto(caja, [values] { return allRows(values); }));
    delete converter;
    delete area;
    var.workingShown = false;

    sheet(var, desktop);

    // Opened and closed through the real menu. BENCH_TOOLS=frmArea,... measures only
    // those, BENCH_OPENINGS rounds instead of 1,000 (for a run under heaptrack).
    const int openings = qEnvironmentVariableIntValue("BENCH_OPENINGS");
    app::MenuWindow menu(context, ui::kTools, [] {});
    context.setMenu(&menu);
    menu.show();
    const QStringList only = qEnvironmentVariable("BENCH_TOOLS").split(QLatin1Char(','), Qt::SkipEmptyParts);
    for (const ui::Tool& tool : ui::kTools) {
        if (only.isEmpty() || only.contains(QLatin1String(tool.formName)))
            growthPerOpening(menu, tool.opener, tool.formName, openings > 0 ? openings : kOpenings);
    }
    return 0;
}
