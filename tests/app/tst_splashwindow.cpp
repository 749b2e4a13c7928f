#include <QtTest>

#include <QPointer>
#include <QTimer>

#include "app/splashwindow.h"
#include "kit/assets.h"
#include "kit/clicklabel.h"

// The splash's progress line, its hand-over to the menu and its "x".
class tst_SplashWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void line_grows_400_twips_per_tick_then_hands_over_at_tick_21();
    void x_ends_the_program_and_the_menu_never_comes();
    void x_stays_dark_while_pressed_and_a_release_elsewhere_does_not_end();

private:
    QPointer<app::SplashWindow> m_splash;
    int m_menusShown = 0;
    int m_ends = 0;
};

void tst_SplashWindow::init()
{
    kit::loadAssets();
    m_menusShown = 0;
    m_ends = 0;
    m_splash = new app::SplashWindow([this] { ++m_menusShown; }, [this] { ++m_ends; });
    // Ticks are driven by hand below.
    m_splash->findChild<QTimer*>(QStringLiteral("Timer1"))->stop();
    m_splash->show();
}

void tst_SplashWindow::cleanup()
{
    delete m_splash;
}

void tst_SplashWindow::line_grows_400_twips_per_tick_then_hands_over_at_tick_21()
{
    QCOMPARE(m_splash->lineEnd(), 15);
    for (int tick = 1; tick <= 20; ++tick) {
        m_splash->Timer1_Timer();
        QCOMPARE(m_splash->lineEnd(), 15 + 400 * tick);
        QCOMPARE(m_menusShown, 0);
    }
    m_splash->Timer1_Timer();
    QCOMPARE(m_menusShown, 1);
    QVERIFY(!m_splash->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(m_splash.isNull());
}

void tst_SplashWindow::x_ends_the_program_and_the_menu_never_comes()
{
    m_splash->Timer1_Timer();
    auto* x = m_splash->findChild<kit::ClickLabel*>(QStringLiteral("lblEsc"));
    QTest::mouseClick(x, Qt::LeftButton);
    QCOMPARE(m_ends, 1);
    QVERIFY(!m_splash->findChild<QTimer*>(QStringLiteral("Timer1"))->isActive());
    QCOMPARE(m_menusShown, 0);
}

void tst_SplashWindow::x_stays_dark_while_pressed_and_a_release_elsewhere_does_not_end()
{
    auto* x = m_splash->findChild<kit::ClickLabel*>(QStringLiteral("lblEsc"));
    QVERIFY(!x->autoFillBackground());
    QTest::mousePress(x, Qt::LeftButton);
    QVERIFY(x->autoFillBackground());
    QTest::mouseRelease(x, Qt::LeftButton, {}, QPoint(-50, 200));
    QVERIFY(!x->autoFillBackground());
    QCOMPARE(m_ends, 0);
}

QTEST_MAIN(tst_SplashWindow)
#include "tst_splashwindow.moc"
