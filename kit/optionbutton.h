#ifndef KIT_OPTIONBUTTON_H
#define KIT_OPTIONBUTTON_H

#include <QRadioButton>

class QPainter;

namespace kit {

// An option button that takes a click anywhere on its painted rectangle, not
// only on its circle and caption; hover and press looks follow the same area.
// The buttons of one parent are a group as on every desktop: Tab and Shift+Tab
// stop only on the chosen one, and the arrow keys choose the one before or after
// it in reading order, round the group, moving the focus with the choice.
// The round indicator and caption are drawn inside the contents margins.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString& text, QWidget* parent = nullptr);

    // The pixels the caption has beside the circle.
    int captionWidth() const;

protected:
    bool hitButton(const QPoint& position) const override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void drawCircle(QPainter& painter, const QRect& place) const;
    QList<OptionButton*> group() const;
    void keepTabOnChosen() const;
};

} // namespace kit

#endif
