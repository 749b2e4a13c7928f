#include "app/optionbutton.h"

namespace app {

OptionButton::OptionButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

bool OptionButton::hitButton(const QPoint& position) const
{
    return rect().contains(position);
}

} // namespace app
