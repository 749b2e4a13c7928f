#include <QtTest>

#include "tests/support/toolfixture.h"

// A window left behind shows in the counts within a few rounds; the resident
// memory over a long run is a platform figure, measured by ./scripts/bench.
constexpr int kRounds = 30;

// Whether Qt SVG is mapped into this process.
bool svgLoaded()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6Svg");
}

// Opening and closing a tool window over and over leaves nothing behind, and its
// pictures, drawn ahead at the size it shows them, never load Qt SVG.
class tst_Memory : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void opening_and_closing_leaves_no_widgets_behind_data();
    void opening_and_closing_leaves_no_widgets_behind();
};

void tst_Memory::opening_and_closing_leaves_no_widgets_behind_data()
{
    QTest::addColumn<QString>("opener");
    QTest::addColumn<bool>("workingShown"); // its panel built and shown in each window
    for (const ui::Tool& tool : ui::kTools) {
        QTest::newRow(tool.opener) << QString::fromLatin1(tool.opener) << false;
        QTest::addRow("%s, desarrollo", tool.opener) << QString::fromLatin1(tool.opener) << true;
    }
}

void tst_Memory::opening_and_closing_leaves_no_widgets_behind()
{
    QFETCH(QString, opener);
    QFETCH(bool, workingShown);
    MenuFixture fixture;
    fixture.var.workingShown = workingShown;
    const app::MenuWindow& menu = fixture.menu;
    const auto openAndClose = [&] {
        fixture.open(opener)->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    // The first rounds may create lasting shared objects (fonts, cached pictures).
    for (int i = 0; i < 10; ++i)
        openAndClose();
    const qsizetype widgetsBefore = QApplication::allWidgets().size();
    const qsizetype objectsBefore = menu.findChildren<QObject*>().size();
    for (int i = 0; i < kRounds; ++i)
        openAndClose();
    QCOMPARE(QApplication::allWidgets().size(), widgetsBefore);
    QCOMPARE(menu.findChildren<QObject*>().size(), objectsBefore);
    QCOMPARE(fixture.var.VentanasAbiertas, std::int16_t{0});
    QVERIFY2(!svgLoaded(), "a picture was drawn at a size the build did not draw ahead");
}

QTEST_MAIN(tst_Memory)
#include "tst_memory.moc"
