#include "app/splashwindow.h"

#include <QLabel>
#include <QTimer>

#include "app/version.h"
#include "kit/clicklabel.h"
#include "kit/look.h"
#include "kit/shapes.h"

namespace app {
namespace {

constexpr int kLineY = 4420;
constexpr int kLineStep = 400; // twips per tick
constexpr int kGrowingTicks = 20;
const QColor kLineColour(240, 30, 40);
const QColor kEscColour(230, 205, 0);

} // namespace

SplashWindow::SplashWindow(std::function<void()> showMenu, std::function<void()> endProgram)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      m_showMenu(std::move(showMenu)),
      m_endProgram(std::move(endProgram))
{
    setObjectName(QStringLiteral("frmInicio"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QLatin1String(kName));
    kit::setClientSize(this, 7815, 4455);
    buildControls();
    Form_Load();
}

void SplashWindow::buildControls()
{
    auto* lblName = new QLabel(QLatin1String(kName), this);
    kit::identify(lblName, QStringLiteral("lblName"), lblName->text());
    kit::place(lblName, 0, 1920, 7815, 735);
    lblName->setAlignment(Qt::AlignCenter);
    lblName->setFont(kit::font(kit::Typeface::SegoeUISemibold, 26.25));

    auto* lblMarca = new QLabel(QStringLiteral("Milvane"), this);
    kit::identify(lblMarca, QStringLiteral("lblMarca"), QStringLiteral("Milvane"));
    kit::place(lblMarca, 180, 120, 1935, 375);
    lblMarca->setFont(kit::font(kit::Typeface::SegoeUI, 11.25));

    m_lblEsc = new kit::ClickLabel(this);
    m_lblEsc->setText(QStringLiteral("x"));
    kit::identify(m_lblEsc, QStringLiteral("lblEsc"), tr("Cerrar"), tr(" Cerrar "));
    kit::place(m_lblEsc, 7320, 0, 495, 495);
    m_lblEsc->setAlignment(Qt::AlignCenter);
    m_lblEsc->setFont(kit::font(kit::Typeface::CalibriLight, 18));
    kit::setBackColour(m_lblEsc, kEscColour, false);
    connect(m_lblEsc, &kit::ClickLabel::clicked, this, &SplashWindow::lblEsc_Click);
    connect(m_lblEsc, &kit::ClickLabel::mouseDown, this, &SplashWindow::lblEsc_MouseDown);
    connect(m_lblEsc, &kit::ClickLabel::mouseUp, this, &SplashWindow::lblEsc_MouseUp);

    m_lnGo = new kit::LineShape(this);
    m_lnGo->setObjectName(QStringLiteral("lnGo"));
    m_lnGo->setPen(kLineColour, 3);
    m_lnGo->setPoints(0, kLineY, 15, kLineY);

    m_Timer1 = new QTimer(this);
    m_Timer1->setObjectName(QStringLiteral("Timer1"));
    m_Timer1->setInterval(10);
    connect(m_Timer1, &QTimer::timeout, this, &SplashWindow::Timer1_Timer);
    m_Timer1->start();
}

int SplashWindow::lineEnd() const
{
    return m_lnGo->x2();
}

void SplashWindow::Form_Load()
{
    kit::setBackColour(this, QColor(255, 230, 0));
    m_lnGo->setPen(kLineColour, 3);
}

void SplashWindow::Timer1_Timer()
{
    if (m_Contador > kGrowingTicks - 1) {
        eGoForm();
        return;
    }
    m_lnGo->setPoints(0, kLineY, m_lnGo->x2() + kLineStep, kLineY);
    m_Contador += 1;
}

void SplashWindow::eGoForm()
{
    m_Timer1->stop();
    m_showMenu();
    close();
}

void SplashWindow::lblEsc_Click()
{
    m_Timer1->stop();
    m_endProgram();
}

void SplashWindow::lblEsc_MouseDown()
{
    kit::setOpaque(m_lblEsc, true);
}

void SplashWindow::lblEsc_MouseUp()
{
    kit::setOpaque(m_lblEsc, false);
}

} // namespace app
