#include "app/menuwindow.h"

#include <QCloseEvent>
#include <QCursor>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QShortcut>

#include <algorithm>
#include <cstring>
#include <iterator>

#include "app/version.h"
#include "core/numbers.h"
#include "kit/accessibility.h"
#include "kit/announcer.h"
#include "kit/assets.h"
#include "kit/basvar.h"
#include "kit/clicklabel.h"
#include "kit/look.h"
#include "kit/numberbox.h"
#include "kit/shapes.h"
#include "kit/sheet.h"
#include "kit/spokennumbers.h"
#include "kit/toolwindow.h"

namespace app {
namespace {

const QColor kStripColour(20, 20, 20);
const QColor kLinkColour(10, 10, 10);
const QColor kStripText(224, 224, 224);
const QString kPiDefault = QString::fromStdString(core::plainText(kit::kDefaultPi));

struct ButtonRow {
    const char* objectName;
    int left;
    const char* pictureKey;
    const char* accessibleName;
    const char* caption; // shown in lblShow while hovered
    const char* description; // for screen readers: what a press does
};

constexpr ButtonRow kButtons[] = {
    {"cmdButton0", 240, kit::picture::kMenuFiguras, QT_TRANSLATE_NOOP("app::MenuWindow", "Cálculos con figuras"),
     QT_TRANSLATE_NOOP("app::MenuWindow", "CÁLCULOS CON FIGURAS"),
     QT_TRANSLATE_NOOP("app::MenuWindow", "Abre un menú: perímetro, área, volumen")},
    {"cmdButton1", 2760, kit::picture::kMenuPitagoras, QT_TRANSLATE_NOOP("app::MenuWindow", "Pitágoras de Samos"),
     QT_TRANSLATE_NOOP("app::MenuWindow", "PITÁGORAS DE SAMOS"),
     QT_TRANSLATE_NOOP("app::MenuWindow", "Abre un menú: teorema de Pitágoras y regla de tres, sobre Pitágoras")},
    {"cmdButton2", 5280, kit::picture::kMenuConvertidor,
     QT_TRANSLATE_NOOP("app::MenuWindow", "Convertidor de unidades"),
     QT_TRANSLATE_NOOP("app::MenuWindow", "CONVERTIDOR DE UNIDADES"),
     QT_TRANSLATE_NOOP("app::MenuWindow", "Abre el convertidor de unidades")},
};

struct LinkRow {
    const char* objectName;
    const char* text;
    int left;
    const char* accessibleName;
    const char* caption;
};

constexpr LinkRow kLinks[] = {
    {"lblLink0", "!", 7200, QT_TRANSLATE_NOOP("app::MenuWindow", "Acerca de Vantrelo"),
     QT_TRANSLATE_NOOP("app::MenuWindow", "ACERCA DE VANTRELO")},
    {"lblLink1", QT_TRANSLATE_NOOP("app::MenuWindow", "Pi"), 240, QT_TRANSLATE_NOOP("app::MenuWindow", "Ajustar Pi"),
     QT_TRANSLATE_NOOP("app::MenuWindow", "AJUSTAR PI")},
    {"lblLink2", "\u2261", 6780, QT_TRANSLATE_NOOP("app::MenuWindow", "Hoja de resultados"),
     QT_TRANSLATE_NOOP("app::MenuWindow", "HOJA DE RESULTADOS")},
};

struct FigureItem {
    const char* objectName;
    const char* text;
};

constexpr FigureItem kFigureItems[] = {
    {"figPerimetro", QT_TRANSLATE_NOOP("app::MenuWindow", "Perímetro")},
    {"figArea", QT_TRANSLATE_NOOP("app::MenuWindow", "Área")},
    {"figVolumen", QT_TRANSLATE_NOOP("app::MenuWindow", "Volumen")},
};

// Pop-up menus open at the mouse, or under their button when the keyboard pressed it.
QPoint popupPoint(const QWidget* button)
{
    return button->underMouse() ? QCursor::pos() : button->mapToGlobal(QPoint(0, button->height()));
}

QString aboutText()
{
    return MenuWindow::tr("Milvane\r\nVantrelo: Versión %1").arg(QLatin1String(kVersion));
}

} // namespace

MenuWindow::MenuWindow(kit::ToolContext& context, const ui::ToolTable& tools, std::function<void()> endProgram)
    : m_context(context), m_tools(tools), m_endProgram(std::move(endProgram))
{
    kit::installAccessibility();
    setObjectName(QStringLiteral("frmMenu"));
    setWindowTitle(tr("Vantrelo - Menú"));
    setMouseTracking(true);
    kit::setClientSize(this, 7815, 3375);
    buildButtons();
    buildCaptionStrip();
    buildPiBox();
    buildPopupMenus();
    m_voice = new kit::Announcer(this);
    kit::sayPastes(this, m_voice);
    Form_Load();
    m_context.setToolOpener([menu = QPointer<MenuWindow>(this)](const QString& formName, const QStringList& state) {
        auto* tool = qobject_cast<kit::ToolWindow*>(menu ? menu->openTool(formName) : nullptr);
        if (tool)
            tool->restore(state);
        return tool;
    });
    new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), this, this, [this] { lblLink_Click(2); });
}

void MenuWindow::buildButtons()
{
    for (int i = 0; i < int(std::size(kButtons)); ++i) {
        const ButtonRow& row = kButtons[i];
        auto* button = new kit::ClickLabel(this, kit::ClickLabel::Role::Button);
        kit::identify(button, QString::fromLatin1(row.objectName), tr(row.accessibleName));
        button->setAccessibleDescription(tr(row.description));
        kit::place(button, row.left, 240, 2295, 2295);
        button->setAlignment(Qt::AlignCenter); // the picture is drawn at the button's size already
        button->setCursor(Qt::PointingHandCursor);
        kit::showPicture(button, QString::fromLatin1(row.pictureKey));
        connect(button, &kit::ClickLabel::clicked, this, [this, i] { cmdButton_Click(i); });
        connect(button, &kit::ClickLabel::mouseMoved, this, [this, i] { cmdButton_MouseMove(i); });
        connect(button, &kit::ClickLabel::mouseDown, this, [this, i] { cmdButton_MouseDown(i); });
        connect(button, &kit::ClickLabel::mouseUp, this, [this, i] { cmdButton_MouseUp(i); });
        // Tabbing onto a button names it in the strip, as the mouse does.
        connect(button, &kit::ClickLabel::tabbedInto, this, [this, i] { cmdButton_MouseMove(i); });
        button->installEventFilter(this);
        m_cmdButton[static_cast<std::size_t>(i)] = button;

        // The outline lies in front of its button and lets the mouse through to it.
        auto* shape = new kit::RectShape(this);
        shape->setObjectName(QStringLiteral("Shape%1").arg(i + 1));
        shape->setGeometry(button->geometry());
        shape->setBorder(QColor(128, 128, 128), Qt::DotLine, QColor(64, 64, 64));
        m_Shape[static_cast<std::size_t>(i)] = shape;
    }
}

void MenuWindow::buildCaptionStrip()
{
    m_lblShow = new kit::ClickLabel(this);
    m_lblShow->setText(tr("BIENVENIDO"));
    m_lblShow->setObjectName(QStringLiteral("lblShow")); // read out by the text it shows
    kit::place(m_lblShow, 240, 2760, 7335, 375);
    m_lblShow->setAlignment(Qt::AlignCenter);
    m_lblShow->setFont(kit::font(kit::Typeface::Calibri, 15));
    kit::setTextColour(m_lblShow, kStripText);
    connect(m_lblShow, &kit::ClickLabel::mouseMoved, this, &MenuWindow::eBienvenido);

    for (int i = 0; i < int(std::size(kLinks)); ++i) {
        const LinkRow& row = kLinks[i];
        auto* link = new kit::ClickLabel(this, kit::ClickLabel::Role::Button);
        link->setText(tr(row.text));
        kit::identify(link, QString::fromLatin1(row.objectName), tr(row.accessibleName));
        kit::place(link, row.left, 2760, 375, 375);
        link->setAlignment(Qt::AlignCenter);
        link->setFont(kit::font(kit::Typeface::Calibri, 14.25));
        link->setCursor(Qt::PointingHandCursor);
        kit::setTextColour(link, kStripText);
        connect(link, &kit::ClickLabel::clicked, this, [this, i] { lblLink_Click(i); });
        connect(link, &kit::ClickLabel::mouseMoved, this, [this, i] { lblLink_MouseMove(i); });
        connect(link, &kit::ClickLabel::mouseDown, this, [this, i] { lblLink_MouseDown(i); });
        connect(link, &kit::ClickLabel::mouseUp, this, [this, i] { lblLink_MouseUp(i); });
        connect(link, &kit::ClickLabel::tabbedInto, this, [this, i] { lblLink_MouseMove(i); });
        m_lblLink[static_cast<std::size_t>(i)] = link;
    }
}

void MenuWindow::buildPiBox()
{
    auto* lblPi = new QLabel(kPiDefault, this);
    lblPi->setObjectName(QStringLiteral("lblPi"));
    lblPi->hide();
    m_defaultPi = lblPi->text();

    m_txtPi = new kit::NumberBox(kPiDefault, this, m_context.desktop());
    kit::identify(m_txtPi, QStringLiteral("txtPi"), tr("Valor de Pi"),
                  tr("Entre 3.14 y 3.15; Intro para aplicar, Escape o doble clic para restablecer"));
    m_txtPi->setAccessibleDescription(kit::spoken(m_txtPi->toolTip())); // its limits heard as numbers
    kit::place(m_txtPi, 720, 2760, 6375, 375);
    m_txtPi->setAlignment(Qt::AlignCenter);
    m_txtPi->setFont(kit::font(kit::Typeface::Calibri, 14.25));
    m_txtPi->setFrame(false);
    kit::showFocusMark(m_txtPi);
    kit::setTextColour(m_txtPi, Qt::white);
    m_txtPi->hide();
    m_txtPi->installEventFilter(this);

    // Left to right along the window, the Pi box right after its link.
    setTabOrder(m_cmdButton[0], m_cmdButton[1]);
    setTabOrder(m_cmdButton[1], m_cmdButton[2]);
    setTabOrder(m_cmdButton[2], m_lblLink[1]);
    setTabOrder(m_lblLink[1], m_txtPi);
    setTabOrder(m_txtPi, m_lblLink[2]);
    setTabOrder(m_lblLink[2], m_lblLink[0]);
}

void MenuWindow::buildPopupMenus()
{
    m_figMenu = new QMenu(QStringLiteral("Fig"), this);
    m_figMenu->setObjectName(QStringLiteral("figMenu"));
    for (const FigureItem& item : kFigureItems) {
        QAction* action = m_figMenu->addAction(tr(item.text));
        action->setObjectName(QString::fromLatin1(item.objectName));
        connect(action, &QAction::triggered, this, [this, &item] { openNew(toolOf(item.objectName)); });
    }

    m_pitMenu = new QMenu(QStringLiteral("Pit"), this);
    m_pitMenu->setObjectName(QStringLiteral("pitMenu"));
    QAction* pitTeorema = m_pitMenu->addAction(tr("Teorema de Pitágoras y regla de tres"));
    pitTeorema->setObjectName(QStringLiteral("pitTeorema"));
    connect(pitTeorema, &QAction::triggered, this, [this] { openNew(toolOf("pitTeorema")); });
    m_pitMenu->addSeparator()->setObjectName(QStringLiteral("Line0"));
    QAction* pitAbout = m_pitMenu->addAction(tr("Sobre Pitágoras"));
    pitAbout->setObjectName(QStringLiteral("pitAbout"));
    connect(pitAbout, &QAction::triggered, this, [this] { reopen(m_frmSobrePit, toolOf("pitAbout"), false); });
}

void MenuWindow::Form_Load()
{
    for (kit::ClickLabel* link : m_lblLink)
        kit::setBackColour(link, kLinkColour, false);
    kit::setBackColour(m_lblShow, kStripColour);
    kit::setBackColour(m_txtPi, kStripColour);
    kit::setBackColour(this, kit::kWindowBackground);
    m_context.var().ValorPi = core::readNumber(m_txtPi->text().toStdString()).value_or(0.0);
}

const ui::Tool* MenuWindow::toolOf(const char* opener) const
{
    const auto row = std::find_if(m_tools.begin(), m_tools.end(),
                                  [opener](const ui::Tool& t) { return std::strcmp(t.opener, opener) == 0; });
    return row != m_tools.end() ? row : nullptr;
}

QWidget* MenuWindow::openNew(const ui::Tool* tool)
{
    if (!tool || !tool->make)
        return nullptr;
    QWidget* window = tool->make(m_context, *tool);
    window->show();
    m_context.minimizeMenu();
    return window;
}

QWidget* MenuWindow::reopen(QPointer<QWidget>& window, const ui::Tool* tool, bool minimize)
{
    if (!tool || !tool->make)
        return nullptr;
    if (window)
        window->close();
    window = tool->make(m_context, *tool);
    window->show();
    if (minimize)
        m_context.minimizeMenu();
    return window;
}

// The way the menu's own openers open each tool: the converter is one window.
QWidget* MenuWindow::openTool(const QString& formName)
{
    const auto row = std::find_if(m_tools.begin(), m_tools.end(),
                                  [&formName](const ui::Tool& t) { return formName == QLatin1String(t.formName); });
    if (row == m_tools.end())
        return nullptr;
    if (std::strcmp(row->opener, "cmdButton2") == 0)
        return reopen(m_frmConvert, row, true);
    return openNew(row);
}

void MenuWindow::cmdButton_Click(int index)
{
    if (index == 0)
        popUp(m_figMenu, m_cmdButton[0]);
    else if (index == 1)
        popUp(m_pitMenu, m_cmdButton[1]);
    else
        reopen(m_frmConvert, toolOf("cmdButton2"), true);
}

// Opened from the keyboard, a menu starts on its first item, which a screen
// reader then reads out.
void MenuWindow::popUp(QMenu* menu, const QWidget* button)
{
    menu->popup(popupPoint(button));
    if (m_pressedByKey)
        menu->setActiveAction(menu->actions().constFirst());
}

void MenuWindow::cmdButton_MouseMove(int index)
{
    m_lblShow->setText(tr(kButtons[index].caption));
    m_Shape[static_cast<std::size_t>(index)]->setStyleValue(0);
    m_Resaltado = static_cast<std::int16_t>(index + 1);
    BReset();
}

void MenuWindow::cmdButton_MouseDown(int index)
{
    kit::ClickLabel* button = m_cmdButton[static_cast<std::size_t>(index)];
    button->setFrameShape(QFrame::Box);
    button->setLineWidth(1);
}

void MenuWindow::cmdButton_MouseUp(int index)
{
    m_cmdButton[static_cast<std::size_t>(index)]->setFrameShape(QFrame::NoFrame);
}

void MenuWindow::BReset()
{
    for (int i = 0; i < int(m_Shape.size()); ++i) {
        if (i + 1 != m_Resaltado)
            m_Shape[static_cast<std::size_t>(i)]->setStyleValue(1);
    }
    m_Resaltado = 0;
}

void MenuWindow::eBienvenido()
{
    BReset();
    m_lblShow->setText(tr("BIENVENIDO"));
}

void MenuWindow::mouseMoveEvent(QMouseEvent*)
{
    eBienvenido(); // Form_MouseMove
}

void MenuWindow::lblLink_MouseMove(int index)
{
    BReset();
    m_lblShow->setText(tr(kLinks[index].caption));
}

void MenuWindow::lblLink_MouseDown(int index)
{
    kit::setOpaque(m_lblLink[static_cast<std::size_t>(index)], true);
}

void MenuWindow::lblLink_MouseUp(int index)
{
    kit::setOpaque(m_lblLink[static_cast<std::size_t>(index)], false);
}

void MenuWindow::lblLink_Click(int index)
{
    if (index == 0) {
        m_context.desktop().about(this, QLatin1String(kName), aboutText(), windowIcon());
    } else if (index == 2) {
        m_context.showSheet(true);
    } else if (m_txtPi->isVisible()) {
        showPlainPi();
        m_txtPi->hide();
        m_lblLink[2]->setVisible(true);
        m_voice->say(tr("Cuadro de Pi cerrado"));
    } else {
        m_txtPi->show();
        m_lblLink[2]->setVisible(false); // the sheet's link lies under the box
        m_txtPi->setCursorPosition(m_txtPi->text().length());
        m_voice->say(tr("Cuadro de Pi abierto: %1; Tab para editarlo").arg(kit::spoken(m_txtPi->text())));
    }
}

// The box keeps what the user types until it is applied or hidden; then it
// shows the number it reads as. A text beyond the range of a double stays as typed.
void MenuWindow::showPlainPi()
{
    const auto value = core::readNumber(m_txtPi->text().toStdString());
    if (value)
        m_txtPi->setText(QString::fromStdString(core::plainText(*value)));
}

void MenuWindow::txtPi_DblClick()
{
    m_txtPi->setText(m_defaultPi);
    m_voice->say(
        tr("Valor predeterminado: %1").arg(kit::spoken(m_defaultPi))); // a text the program sets is not read out
}

void MenuWindow::txtPi_KeyPress()
{
    const auto value = core::readNumber(m_txtPi->text().toStdString());
    if (value && *value >= 3.14 && *value <= 3.15) {
        m_context.var().ValorPi = *value;
        showPlainPi();
        if (focusWidget() == m_txtPi) // back where the user opened the box, not on to the next link
            m_lblLink[1]->setFocus(Qt::OtherFocusReason);
        m_txtPi->hide();
        m_lblLink[2]->setVisible(true);
        m_voice->say(tr("Pi: %1").arg(kit::spoken(m_txtPi->text())));
    } else {
        m_context.desktop().message(this, tr("Valor no permitido."), kit::DesktopServices::Icon::Exclamation);
    }
}

bool MenuWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress) {
        if (std::find(m_cmdButton.begin(), m_cmdButton.end(), watched) != m_cmdButton.end())
            m_pressedByKey = event->type() == QEvent::KeyPress;
    }
    if (watched == m_txtPi && event->type() == QEvent::MouseButtonDblClick) {
        txtPi_DblClick();
        return true;
    }
    if (watched == m_txtPi && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            txtPi_KeyPress();
            return true;
        }
        if (key == Qt::Key_Escape) { // the double-click of the keyboard
            txtPi_DblClick();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void MenuWindow::closeEvent(QCloseEvent* event)
{
    // Entries neither saved nor copied would go with the program: it asks about them first.
    const bool unsaved = m_context.hasSheet() && m_context.sheet().unsaved();
    const QString question = unsaved ? tr("La hoja de resultados tiene anotaciones sin guardar ni copiar, que se "
                                          "perderán. ¿Cerrar de todos modos?")
                                     : tr("Está apunto de cerrar todo, ¿está seguro?");
    if ((unsaved || m_context.var().VentanasAbiertas >= 1) && !m_context.desktop().askYesNo(this, question)) {
        event->ignore();
        return;
    }
    event->accept();
    m_endProgram();
}

} // namespace app
