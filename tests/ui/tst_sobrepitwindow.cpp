#include <QtTest>

#include <QLabel>

#include <memory>

#include "tests/support/toolfixture.h"
#include "ui/sobrepitwindow.h"

class tst_SobrePitWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void link_click_depends_on_the_network_data();
    void link_click_depends_on_the_network();
    void hover_lights_the_link_until_the_text_or_frame_is_reached_data();
    void hover_lights_the_link_until_the_text_or_frame_is_reached();
    void window_counts_itself_but_never_restores_the_menu();

private:
    QWidget* child(const char* name) const;
    QLabel* link() const;
    void moveOver(QWidget* widget);

    std::unique_ptr<MenuFixture> m_fixture;
    QPointer<QWidget> m_window;
};

void tst_SobrePitWindow::init()
{
    m_fixture = std::make_unique<MenuFixture>();
    m_window = m_fixture->open(QStringLiteral("pitAbout"));
}

void tst_SobrePitWindow::cleanup()
{
    delete m_window;
    m_fixture.reset();
}

QWidget* tst_SobrePitWindow::child(const char* name) const
{
    if (m_window->objectName() == QLatin1String(name))
        return m_window;
    return m_window->findChild<QWidget*>(QString::fromLatin1(name));
}

QLabel* tst_SobrePitWindow::link() const
{
    return m_window->findChild<QLabel*>(QStringLiteral("lblLink"));
}

void tst_SobrePitWindow::moveOver(QWidget* widget)
{
    // Inside the widget but clear of its children.
    const QPointF local(2, 2);
    QMouseEvent move(QEvent::MouseMove, local, widget->mapToGlobal(local), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void tst_SobrePitWindow::link_click_depends_on_the_network_data()
{
    QTest::addColumn<bool>("network");
    QTest::addColumn<bool>("opens"); // whether the desktop manages to open the address
    QTest::addColumn<QString>("message"); // shown once per click; empty for none
    QTest::addColumn<int>("opened");

    // clang-format off
    QTest::newRow("sin red: un mensaje por clic") << false << true << "Se requiere una conexión a Internet, intente más tarde." << 0;
    QTest::newRow("con red: una petición por clic") << true << true << "" << 3;
    QTest::newRow("con red y sin navegador: un mensaje por clic") << true << false << "No se pudo abrir la página en el navegador web." << 3;
    // clang-format on
}

void tst_SobrePitWindow::link_click_depends_on_the_network()
{
    QFETCH(bool, network);
    QFETCH(bool, opens);
    QFETCH(QString, message);
    QFETCH(int, opened);
    m_fixture->desktop.networkAlive = network;
    m_fixture->desktop.addressOpens = opens;

    for (int click = 0; click < 3; ++click)
        QTest::mouseClick(link(), Qt::LeftButton);

    QCOMPARE(int(m_fixture->desktop.messages.size()), message.isEmpty() ? 0 : 3);
    for (const FakeDesktop::Message& shown : m_fixture->desktop.messages) {
        QCOMPARE(shown.text, message);
        QCOMPARE(shown.icon,
                 network ? kit::DesktopServices::Icon::Exclamation : kit::DesktopServices::Icon::Information);
    }
    QCOMPARE(int(m_fixture->desktop.openedAddresses.size()), opened);
    for (const QUrl& address : m_fixture->desktop.openedAddresses) {
        QCOMPARE(address.scheme(), QStringLiteral("https"));
        QCOMPARE(address.host(), QStringLiteral("es.wikipedia.org"));
        QCOMPARE(address.path(), QStringLiteral("/wiki/Pitágoras"));
    }
}

void tst_SobrePitWindow::hover_lights_the_link_until_the_text_or_frame_is_reached_data()
{
    QTest::addColumn<QString>("over");
    QTest::addColumn<bool>("lit");

    // clang-format off
    QTest::newRow("retrato no cambia nada") << "cmdButton1" << true;
    QTest::newRow("ventana apaga") << "frmSobrePit" << false;
    QTest::newRow("marco apaga") << "Frame1" << false;
    QTest::newRow("primer párrafo apaga") << "Label1" << false;
    QTest::newRow("segundo párrafo apaga") << "Label2" << false;
    QTest::newRow("tercer párrafo apaga") << "Label3" << false;
    // clang-format on
}

void tst_SobrePitWindow::hover_lights_the_link_until_the_text_or_frame_is_reached()
{
    QFETCH(QString, over);
    QFETCH(bool, lit);
    QVERIFY(!link()->font().underline());

    moveOver(link());
    QVERIFY(link()->font().underline());
    QCOMPARE(link()->palette().color(QPalette::WindowText), QColor(0, 0, 128));

    moveOver(child(over.toLatin1().constData()));
    QCOMPARE(link()->font().underline(), lit);
    QCOMPARE(link()->palette().color(QPalette::WindowText), lit ? QColor(0, 0, 128) : QColor(0, 0, 0));
}

void tst_SobrePitWindow::window_counts_itself_but_never_restores_the_menu()
{
    QCOMPARE(m_fixture->var.VentanasAbiertas, std::int16_t(1));
    QPointer<QWidget> calculator = m_fixture->open(QStringLiteral("figPerimetro"));
    QVERIFY(m_fixture->menuMinimized());

    m_window = m_fixture->open(QStringLiteral("pitAbout")); // reopened afresh
    QCOMPARE(m_fixture->var.VentanasAbiertas, std::int16_t(2));
    calculator->close();
    QCOMPARE(m_fixture->var.VentanasAbiertas, std::int16_t(1));

    m_window->close();
    QCOMPARE(m_fixture->var.VentanasAbiertas, std::int16_t(0));
    QVERIFY(m_fixture->menuMinimized());
}

QTEST_MAIN(tst_SobrePitWindow)
#include "tst_sobrepitwindow.moc"
