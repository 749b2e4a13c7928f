#ifndef KIT_OPTIONBUTTON_H
#define KIT_OPTIONBUTTON_H

#include <QRadioButton>

namespace kit {

// An option button that takes a click anywhere on its painted rectangle, not
// only on its circle and caption; hover and press looks follow the same area.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    explicit OptionButton(const QString& text, QWidget* parent = nullptr);

protected:
    bool hitButton(const QPoint& position) const override;
};

} // namespace kit

#endif
