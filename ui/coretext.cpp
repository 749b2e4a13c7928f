#include "ui/coretext.h"

#include <QCoreApplication>

#include "kit/workingtext.h"

namespace ui {

QString figureText(const char* text, const char* formula)
{
    // A translation marked for the figure, else the one for every figure.
    return QCoreApplication::translate("Figuras", text, formula);
}

QString unitText(const char* text)
{
    return QCoreApplication::translate("Unidades", text);
}

QString outOfRange()
{
    return kit::outOfRangeText();
}

} // namespace ui
