#ifndef APP_MENUWINDOW_H
#define APP_MENUWINDOW_H

// frmMenu, the hub of a run. Three picture buttons open the tools: cmdButton(0)
// pops up figMenu (perimeter, area, volume), cmdButton(1) pops up pitMenu
// (Pythagoras and rule of three, about Pythagoras), cmdButton(2) opens the unit
// converter. Moving the mouse names the item under it in the caption strip
// lblShow and lights the outline Shape1..3 of the hovered button (BReset puts
// the others back). The links in the strip open the about box (!) and the Pi box
// txtPi, whose Enter stores ValorPi; the third link (Ctrl+H) shows the results sheet. While a tool window is open the
// menu stays minimized; the tool window that leaves VentanasAbiertas at 0 restores it. Closing the menu ends the
// program, after a question when tools are open or the results sheet holds entries neither saved nor copied.

#include <QPointer>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

#include "kit/toolcontext.h"
#include "ui/tools.h"

class QMenu;

namespace kit {
class Announcer;
class ClickLabel;
class NumberBox;
class RectShape;
} // namespace kit

namespace app {

class MenuWindow : public QWidget {
    Q_OBJECT
public:
    MenuWindow(kit::ToolContext& context, const ui::ToolTable& tools, std::function<void()> endProgram);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildButtons();
    void buildCaptionStrip();
    void buildPiBox();
    void buildPopupMenus();

    void Form_Load();
    void cmdButton_Click(int index);
    void cmdButton_MouseMove(int index);
    void cmdButton_MouseDown(int index);
    void cmdButton_MouseUp(int index);
    void BReset();
    void eBienvenido();
    void lblLink_MouseMove(int index);
    void lblLink_MouseDown(int index);
    void lblLink_MouseUp(int index);
    void lblLink_Click(int index);
    void showPlainPi();
    void txtPi_DblClick();
    void txtPi_KeyPress();

    // The row of the tool that opener opens; none when the table has none.
    const ui::Tool* toolOf(const char* opener) const;
    // A new window of a tool that may be open many times.
    QWidget* openNew(const ui::Tool* tool);
    // A tool by its form name, as its opener opens it; the results sheet opens tools so.
    QWidget* openTool(const QString& formName);
    void popUp(QMenu* menu, const QWidget* button);
    // The one window of a tool: any open one is closed and a fresh one shown.
    QWidget* reopen(QPointer<QWidget>& window, const ui::Tool* tool, bool minimize);

    kit::ToolContext& m_context;
    ui::ToolTable m_tools;
    std::function<void()> m_endProgram;

    std::array<kit::ClickLabel*, 3> m_cmdButton{};
    std::array<kit::RectShape*, 3> m_Shape{};
    std::array<kit::ClickLabel*, 3> m_lblLink{};
    kit::ClickLabel* m_lblShow = nullptr;
    kit::NumberBox* m_txtPi = nullptr;
    QString m_defaultPi; // the hidden caption's text: the Pi a double-click restores
    QMenu* m_figMenu = nullptr;
    QMenu* m_pitMenu = nullptr;
    kit::Announcer* m_voice = nullptr;
    bool m_pressedByKey = false; // the last press on a picture button came from the keyboard
    std::int16_t m_Resaltado = 0;

    QPointer<QWidget> m_frmConvert;
    QPointer<QWidget> m_frmSobrePit;
};

} // namespace app

#endif
