#include <QtTest>

#include <QClipboard>
#include <QElapsedTimer>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include "app/qtdesktop.h"
#include "kit/assets.h"
#include "kit/basvar.h"
#include "kit/toolcontext.h"
#include "ui/converterwindow.h"

// On a real X server, with the converter open, another program puts a large
// text on the clipboard and a third one reads it at once, as a clipboard
// manager or a paste would: the owner answers it within a second every time,
// and the converter's window keeps answering meanwhile.
class tst_ClipboardOwner : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void a_large_clipboard_holds_neither_its_owner_nor_the_converter_data();
    void a_large_clipboard_holds_neither_its_owner_nor_the_converter();
};

void tst_ClipboardOwner::a_large_clipboard_holds_neither_its_owner_nor_the_converter_data()
{
    QTest::addColumn<int>("megabytes");
    // clang-format off
    QTest::newRow("1 MB") << 1;
    QTest::newRow("10 MB") << 10;
    QTest::newRow("1 MB otra vez") << 1;
    QTest::newRow("10 MB otra vez") << 10;
    // clang-format on
}

void tst_ClipboardOwner::a_large_clipboard_holds_neither_its_owner_nor_the_converter()
{
    QFETCH(int, megabytes);
    kit::loadAssets();
    kit::BasVar var;
    app::QtDesktop desktop;
    kit::ToolContext context(var, desktop);
    ui::ConverterWindow converter(context);
    converter.show();
    QVERIFY(QTest::qWaitForWindowExposed(&converter));

    // The owner takes the clipboard; the reader asks for the text as soon as the
    // owner answers at all, whatever the converter is doing, and says how long
    // the text took and how long it was.
    const QString script =
        QStringLiteral("head -c %1 /dev/zero | tr '\\0' 7 | xclip -quiet -selection clipboard -i & owner=$!\n"
                       "until xclip -o -selection clipboard -t TARGETS >/dev/null 2>&1; do :; done\n"
                       "start=$(date +%s%N)\n"
                       "bytes=$(timeout 5 xclip -o -selection clipboard | wc -c)\n"
                       "echo $(( ($(date +%s%N) - start) / 1000000 )) $bytes\n"
                       "kill $owner\n");
    QProcess programs;
    QElapsedTimer clock;
    qint64 longestPause = 0;
    qint64 lastTick = 0;
    QTimer tick;
    connect(&tick, &QTimer::timeout, this, [&] {
        longestPause = std::max(longestPause, clock.elapsed() - lastTick);
        lastTick = clock.elapsed();
    });
    clock.start();
    tick.start(10);
    programs.start(QStringLiteral("sh"), {QStringLiteral("-c"), script.arg(megabytes << 20)});
    QTRY_VERIFY_WITH_TIMEOUT(programs.state() == QProcess::NotRunning, 15000);
    const QStringList read = QString::fromLatin1(programs.readAllStandardOutput()).split(QLatin1Char(' '));
    QCOMPARE(read.size(), 2);
    QCOMPARE(read[1].trimmed().toInt(), megabytes << 20);
    QVERIFY2(read[0].toInt() < 1000, qPrintable(QStringLiteral("the reader waited %1 ms").arg(read[0])));
    QVERIFY2(longestPause < 250, qPrintable(QStringLiteral("the window did not answer for %1 ms").arg(longestPause)));
}

QTEST_MAIN(tst_ClipboardOwner)
#include "tst_clipboardowner.moc"
