#ifndef APP_CLICKLABEL_H
#define APP_CLICKLABEL_H

#include <QLabel>

namespace app {

// A label or picture that reports the mouse as the windows' handlers need it:
// every movement over it (with or without buttons), button down and up, click
// (release over it after a press on it) and double-click.
class ClickLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickLabel(QWidget* parent = nullptr);

Q_SIGNALS:
    void mouseMoved();
    void mouseDown(Qt::MouseButton button);
    void mouseUp(Qt::MouseButton button);
    void clicked();
    void doubleClicked();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

} // namespace app

#endif
