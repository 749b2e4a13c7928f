#ifndef UI_SOBREPITWINDOW_H
#define UI_SOBREPITWINDOW_H

// frmSobrePit: a portrait of Pythagoras, three paragraphs about him and the
// link "Leer más..." on one frame. Moving the mouse over the link lights it;
// moving over the window, the frame or a paragraph dims it again, and the
// portrait leaves it as it is. A click on the link asks the desktop whether a
// network is up and then either hands it the encyclopedia article or shows a
// message. The window counts itself in VentanasAbiertas but, since opening it
// never minimizes the menu, closing it never restores the menu.

#include "kit/toolwindow.h"

class QFrame;

namespace kit {
class ClickLabel;
} // namespace kit

namespace ui {

class SobrePitWindow : public kit::ToolWindow {
    Q_OBJECT
public:
    explicit SobrePitWindow(kit::ToolContext& context);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void buildFrame();
    void buildPortrait();
    void buildParagraphs();
    void buildLink();

    void Form_Load();
    void Form_MouseMove();
    void Frame1_MouseMove();
    void Label1_MouseMove();
    void Label2_MouseMove();
    void Label3_MouseMove();
    void lblLink_MouseMove();
    void lblLink_Click();

    void lightLink(bool lit);

    QFrame* m_Frame1 = nullptr;
    kit::ClickLabel* m_cmdButton1 = nullptr;
    kit::ClickLabel* m_Label1 = nullptr;
    kit::ClickLabel* m_Label2 = nullptr;
    kit::ClickLabel* m_Label3 = nullptr;
    kit::ClickLabel* m_lblLink = nullptr;
};

} // namespace ui

#endif
