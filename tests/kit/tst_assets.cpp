#include <QtTest>

#include <QDirIterator>
#include <QSvgRenderer>

#include "kit/assets.h"

// Every compiled-in picture is a drawing that renders.
class tst_Assets : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void every_picture_is_a_valid_drawing();
};

void tst_Assets::every_picture_is_a_valid_drawing()
{
    app::loadAssets();
    int pictures = 0;
    QDirIterator it(QStringLiteral(":/"), {QStringLiteral("*.svg")}, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString key = it.next();
        QVERIFY2(QSvgRenderer(key).isValid(), qPrintable(key));
        ++pictures;
    }
    QVERIFY(pictures >= 4);
}

QTEST_GUILESS_MAIN(tst_Assets)
#include "tst_assets.moc"
