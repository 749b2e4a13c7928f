#include "kit/optionbutton.h"

namespace kit {

OptionButton::OptionButton(const QString& text, QWidget* parent) : QRadioButton(text, parent)
{
}

bool OptionButton::hitButton(const QPoint& position) const
{
    return rect().contains(position);
}

} // namespace kit
