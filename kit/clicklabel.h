#ifndef KIT_CLICKLABEL_H
#define KIT_CLICKLABEL_H

#include <QLabel>

namespace kit {

// A label or picture that reports the mouse as the windows' handlers need it:
// every movement over it (with or without buttons), button down and up, and
// click (release over it after a press on it). A double-click's second press
// is no new button down; its release is an up and a click.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    // A Button is one for the keyboard and for screen readers as well: Tab stops
    // on it, Enter or Space clicks it, and it is announced as a button.
    enum class Role { Label, Button };

    explicit ClickLabel(QWidget* parent = nullptr, Role role = Role::Label);

    bool isKeyboardButton() const { return m_keyboardButton; }

Q_SIGNALS:
    void mouseMoved();
    void mouseDown(Qt::MouseButton button);
    void mouseUp(Qt::MouseButton button);
    void clicked();
    void tabbedInto();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_keyboardButton = false;
};

} // namespace kit

#endif
