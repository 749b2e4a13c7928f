#include <QtTest>

#include <QDirIterator>
#include <QSvgRenderer>

#include "core/figures.h"
#include "kit/assets.h"

// The pictures the code names and the pictures compiled in are the same set, and
// every one of them is a drawing that renders.
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
        QVERIFY2(QSvgRenderer(key).isValid(), qPrintable(key));
}

QTEST_GUILESS_MAIN(tst_Assets)
#include "tst_assets.moc"
