#ifndef UI_PITAGORASWINDOW_H
#define UI_PITAGORASWINDOW_H

// frmPitagoras: the right triangle (txtZ0 hypotenuse, txtZ1 and txtZ2 legs) and
// the proportion A / X = B / Y (txtZ3 to txtZ6) on one panel, frmeMode.
//
// Data flow: every change the user makes to a box records it in UltimaCaja and
// restarts the one-second countdown tmrAuto; the solver's own answer records it
// and stops the countdown, so that an answer is not solved again, and emptying
// a box's "0" on entry and writing it back on leaving are no change. Enter moves to the next box of the same part
// and, when exactly one box of the part reads 0 (Listo), asks core::eShow which
// box to fill; tmrAuto asks the same without that condition. The window holds
// what the solver reads (Modo, the active part; Rango, how recently each box
// was visited) and applies its answer: texts written into one box, the
// out-of-range text in the box it would fill, or the hypotenuse message
// through the desktop. The focus-gained step of a box is
// queued so that an Enter finishes solving before the next box reacts.
// cmdMode (Control+M) flips Modo and starts tmrMode, which slides the panel in
// twips; boxes slid out of view take no focus.
// The working under the boxes is that of the answer of the part in use while
// the boxes still hold it; after any change, or a message, it is the part's
// formula and why there is no answer.
// The settings menu mMenu opens on a right click on the free panel, and from
// the keyboard anywhere in the window (context-menu key or Shift+F10).

#include <QPoint>

#include <array>

#include "core/solver.h"
#include "core/working.h"
#include "kit/toolwindow.h"

class QAction;
class QKeyEvent;
class QFrame;
class QLineEdit;
class QMenu;
class QPushButton;
class QTimer;

namespace kit {
class Announcer;
class WorkingPanel;
} // namespace kit

namespace ui {

class PitagorasWindow : public kit::ToolWindow {
    Q_OBJECT
public:
    explicit PitagorasWindow(kit::ToolContext& context);

    // The panel's left edge in twips: 0 at rest, -3480 when fully slid.
    int panelLeft() const { return m_panelLeft; }

    // State: the part (1 for the proportion), then the boxes' texts; the box
    // that held the answer is solved again.
    void restore(const QStringList& state) override;

public Q_SLOTS:
    void tmrMode_Timer();
    void tmrAuto_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void buildPanel();
    void buildBoxes();
    void buildLabels();
    void buildLines();
    void buildButtons();
    void buildMenu();
    void buildTimers();
    void buildWorking(kit::ToolContext& context);
    // The working of the answer of the part in use, or its formula when the boxes hold none.
    core::Working answerWorking() const;
    // Why the part in use holds no answer: the message, or what the boxes lack.
    QString whyNoAnswer() const;
    bool filterBoxEvent(int index, QEvent* event);
    // The sheet's entry of the answer of the part in use.
    Note note() const;

    void frmeMode_MouseDown(Qt::MouseButton button, const QPoint& globalPosition);
    // mMenu for the keyboard: under the focused box, or over the window's middle.
    void popUpMenuAtFocus();
    void mDecimal_Click();
    void mTime_Click();
    void sayTicked(const QAction* item);
    void cmdMode_Click();
    void txtZ_Change(int index);
    void txtZ_GotFocus(int index);
    void txtZ_LostFocus(int index);
    void txtZ_KeyDown(int index, int keyCode);
    void txtZ_KeyPress(int index, int& keyAscii);
    void eVacios();
    void eShow();
    void sayAnswerInView();

    // Who writes into a box: the user, the solver, or the window trading "0" for nothing.
    enum class Writer { User, Solver, Placeholder };
    void writeBox(int index, const QString& text, Writer writer);
    // The part of box holds no answer any more; message says why, where the solver said it.
    void forgetAnswer(int box, const QString& message = {});
    void keepFocusInView();
    QString modeText() const;
    void nameMode();
    void sayMode();
    core::BoxTexts boxTexts() const;

    bool m_Modo = false;
    core::Ranks m_Rango{};
    bool m_Listo = false;
    int m_UltimaCaja = 0;
    core::SolverSettings m_settings;
    int m_panelLeft = 0;

    QFrame* m_frmeMode = nullptr;
    std::array<QLineEdit*, core::kBoxCount> m_txtZ{};
    QPushButton* m_cmdMode = nullptr;
    QPushButton* m_cmdShow = nullptr;
    QTimer* m_tmrMode = nullptr;
    QTimer* m_tmrAuto = nullptr;
    QMenu* m_mMenu = nullptr;
    kit::Announcer* m_voice = nullptr;
    QString m_triangleAnswer; // the triangle's box the solver filled last and its text, as spoken
    QString m_proportionAnswer; // the same, of the proportion
    int m_triangleBox = -1; // the triangle's box whose answer the boxes hold, or -1
    int m_proportionBox = -1; // the same, of the proportion
    QString m_triangleMessage; // why the triangle holds no answer, where the solver said it
    Writer m_writer = Writer::User; // of the change under way
    kit::WorkingPanel* m_working = nullptr; // under the boxes, from the settings menu
    QAction* m_mDecimal = nullptr;
    QAction* m_mTime = nullptr;
};

} // namespace ui

#endif
