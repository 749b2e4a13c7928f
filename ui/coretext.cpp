#include "ui/coretext.h"

#include <QCoreApplication>

namespace ui {

QString figureText(const char* text)
{
    return QCoreApplication::translate("Figuras", text);
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
