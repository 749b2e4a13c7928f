#include <QtTest>

#include <QAbstractButton>
#include <QAction>
#include <QMessageBox>

#include <memory>

#include "app/program.h"
#include "tests/support/run.h"
#include "tests/support/windows.h"
#include "ui/tools.h"

// A whole run: the splash hands over to the menu, every tool opens, and the end
// of the run takes every window with it, pop-ups of lists and menus included.
class tst_Program : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void ending_with_every_tool_open_removes_every_window();
    void windows_name_the_installed_desktop_entry();
};

void tst_Program::ending_with_every_tool_open_removes_every_window()
{
    auto program = std::make_unique<app::Program>(ui::kTools, QStringLiteral("es"));
    QWidget* menu = startToMenu(*program);
    QVERIFY(menu);
    for (const ui::Tool& tool : ui::kTools)
        pressOpener(menu, QString::fromLatin1(tool.opener));
    for (const ui::Tool& tool : ui::kTools)
        QVERIFY2(topLevel(QString::fromLatin1(tool.formName)), tool.formName);

    // Closing the menu asks first; after "Sí" the run ends with every tool still
    // standing, none of them closed through its own unload step.
    QTimer::singleShot(0, menu, [menu] {
        QTimer::singleShot(0, menu, [] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                box->button(QMessageBox::Yes)->click();
        });
        menu->close();
    });
    QTimer::singleShot(10000, menu, [] { QApplication::exit(1); }); // never hang the suite
    QCOMPARE(QApplication::exec(), 0);
    for (const ui::Tool& tool : ui::kTools) {
        const QWidget* window = topLevel(QString::fromLatin1(tool.formName));
        QVERIFY2(window && window->isVisible(), tool.formName);
    }

    program.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCOMPARE(QApplication::topLevelWidgets().size(), 0);
}

void tst_Program::windows_name_the_installed_desktop_entry()
{
    const app::Program program(ui::kTools, QStringLiteral("es"));
    const QString entry = QGuiApplication::desktopFileName() + QStringLiteral(".desktop");
    QVERIFY2(QFile::exists(QStringLiteral(VANTRELO_PACKAGING_DIR "/") + entry), qPrintable(entry));
}

QTEST_MAIN(tst_Program)
#include "tst_program.moc"
