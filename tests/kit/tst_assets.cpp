#include <QtTest>

#include <QDirIterator>
#include <QPixmap>

#include "core/figures.h"
#include "kit/assets.h"

// Whether any pixel of picture shows.
bool drawsSomething(const QPixmap& picture)
{
    const QImage image = picture.toImage();
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                return true;
        }
    }
    return false;
}

// The pictures the code names and the pictures compiled in are the same set, and
// every one of them draws: as drawn ahead by the build, and drawn now at a size
// it was not, through Qt's SVG image plugin.
class tst_Assets : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void every_picture_the_code_names_is_compiled_in_and_renders();
};

void tst_Assets::every_picture_the_code_names_is_compiled_in_and_renders()
{
    kit::loadAssets();
    QSet<QString> named;
    for (const char* key : kit::kPictures)
        named << QString::fromLatin1(key);
    for (auto id : {core::CalculatorId::Perimeter, core::CalculatorId::Area, core::CalculatorId::Volume}) {
        for (const core::Figure& figure : core::calculator(id).figures)
            named << QString::fromLatin1(figure.picture);
    }
    QSet<QString> compiledIn;
    QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.svg")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext())
        compiledIn << it.next();
    QCOMPARE(compiledIn, named);
    for (const QString& key : named)
        QVERIFY2(drawsSomething(kit::drawnPicture(key, QSize(47, 31))), qPrintable(key));
    qsizetype drawnAhead = 0; // at 1x and 2x, one size or more each
    for (QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.png")}, QDir::Files); it.hasNext(); ++drawnAhead) {
        const QString file = it.next();
        QVERIFY2(drawsSomething(QPixmap(file)), qPrintable(file));
    }
    QVERIFY(drawnAhead >= 2 * named.size());
}

QTEST_MAIN(tst_Assets)
#include "tst_assets.moc"
