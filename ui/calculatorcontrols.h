#ifndef UI_CALCULATORCONTROLS_H
#define UI_CALCULATORCONTROLS_H

#include <array>
#include <vector>

#include "core/figures.h"

class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QRadioButton;
class QWidget;

namespace kit {
class DesktopServices;
}

namespace ui {

// A calculator window's title, and where its layout differs from one kind
// to another, in twips.
struct OptionPlace {
    int row; // position in the button column, 0 at the top
    int width;
};

struct CalculatorLayout {
    const char* caption;
    core::Table<OptionPlace> options; // in button-number order, one per figure
    int label1Width;
    int label4Top;
    int formulaTop;
    const char* resultLetter; // what the result is called in its working
};

const CalculatorLayout& calculatorLayout(core::CalculatorId id);

// The controls of a calculator window that its handlers touch. The frames and the
// outline shapes around them belong to the window but are never touched again.
struct CalculatorControls {
    std::vector<QRadioButton*> Option; // Option1... in number order
    std::array<QLabel*, 3> Label{}; // Label1 to Label3, measure captions
    std::array<QLineEdit*, 3> Text{}; // Text1 to Text3
    std::array<QLabel*, 2> unitLabels{}; // Combo2, Combo3: the unit beside Text2, Text3
    QComboBox* Combo1 = nullptr; // input length unit
    QComboBox* Combo4 = nullptr; // result unit
    QComboBox* Combo5 = nullptr; // base area unit; only where the calculator has one
    QLineEdit* txtAnswer = nullptr;
    QLabel* lblForm = nullptr;
    QLabel* imgFig = nullptr;
    QFrame* Frame3 = nullptr; // the formula bar
};

// Builds every control of a calculator window in its place, colours, fonts, tab
// order and initial state, with no handler connected yet. The measure boxes paste
// from desktop's clipboard.
CalculatorControls buildCalculatorControls(QWidget* window, const core::Calculator& calculator,
                                           kit::DesktopServices& desktop);

} // namespace ui

#endif
