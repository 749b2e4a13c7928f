#ifndef APP_SPLASHWINDOW_H
#define APP_SPLASHWINDOW_H

// frmInicio, the first window of a run. Timer1 ticks every 10 ms: ticks 1 to 20
// grow the red line lnGo along the bottom edge, tick 21 runs eGoForm, which
// shows the main menu and closes the splash for good. The "x" label lblEsc ends
// the program at once.

#include <QWidget>

#include <cstdint>
#include <functional>

class QTimer;

namespace kit {
class ClickLabel;
class LineShape;
} // namespace kit

namespace app {

class SplashWindow : public QWidget {
    Q_OBJECT
public:
    SplashWindow(std::function<void()> showMenu, std::function<void()> endProgram);

    int lineEnd() const; // right end of lnGo, in twips

public Q_SLOTS:
    void Timer1_Timer();
    void lblEsc_Click();

private:
    void buildControls();
    void Form_Load();
    void eGoForm();
    void lblEsc_MouseDown();
    void lblEsc_MouseUp();

    std::function<void()> m_showMenu;
    std::function<void()> m_endProgram;
    kit::ClickLabel* m_lblEsc = nullptr;
    kit::LineShape* m_lnGo = nullptr;
    QTimer* m_Timer1 = nullptr;
    std::int16_t m_Contador = 0;
};

} // namespace app

#endif
