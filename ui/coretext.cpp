#include "ui/coretext.h"

#include <QCoreApplication>

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
    return QCoreApplication::translate("Valores", "Fuera de rango");
}

} // namespace ui
