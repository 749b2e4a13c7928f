#ifndef KIT_BASVAR_H
#define KIT_BASVAR_H

#include <cstdint>

namespace kit {

// Pi until the user sets another in the menu, whose box writes it as the
// program writes every number: "3.14159265358979".
inline constexpr double kDefaultPi = 3.14159265358979;

// The few values that outlive any one window. One instance lives in the Program
// and reaches the menu and the tool windows by reference.
struct BasVar {
    double ValorPi = 0.0; // working Pi; set when the menu loads
    std::int16_t VentanasAbiertas = 0; // open tool windows
    std::int16_t TipoMedida = 0; // 0 length, 1 area, 2 volume: the converter opens on it
    bool workingShown = false; // the tool windows show their results' working
};

} // namespace kit

#endif
