#ifndef UI_CALCULATORWINDOW_H
#define UI_CALCULATORWINDOW_H

// One figure calculator (perimeter, area or volume, as its description says).
// Every change recomputes: a figure button, a measure box or the input unit runs
// eResultado, which reads the measures the figure uses, computes the result in the
// input unit, keeps it as the stored result and hands it to Combo4_Click; that
// converts the stored result into the result unit and writes it by the display
// rule. A new result unit converts the stored result without reading the boxes.
// A computation or conversion that leaves the double range shows "Fuera de rango".

#include <cstddef>
#include <optional>

#include "core/figures.h"
#include "core/working.h"
#include "kit/toolwindow.h"
#include "ui/calculatorcontrols.h"

class QKeyEvent;

namespace kit {
class Announcer;
class WorkingPanel;
struct WorkingNames;
} // namespace kit

namespace ui {

class CalculatorWindow : public kit::ToolWindow {
    Q_OBJECT
public:
    CalculatorWindow(kit::ToolContext& context, const core::Calculator& calculator);
    ~CalculatorWindow() override;

    // State: the figure's number, the three measures, and the rows of the input,
    // result and base area units.
    void restore(const QStringList& state) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void connectHandlers();
    void connectVoice();
    kit::WorkingNames workingNames() const;
    QString resultLetter() const;
    core::Working working() const;
    void pendingGotFocus();
    // The result as a screen reader says it, with its unit.
    QString spokenResult() const;
    // The sheet's entry of what the window shows.
    Note note() const;
    QString measureUnit(const core::Figure& figure, int row) const;
    void Form_Load();
    void Option_Click(int n);
    void Combo1_Click();
    void Combo4_Click();
    void writeConverted();
    void Combo5_Click();
    void Text_Change(int n);
    void Text_GotFocus(int n);
    void Text_LostFocus(int n);
    void Text_KeyPress(int n, int& keyAscii);
    void eResultado();

    void setMeasureCaption(int row, const QString& caption);
    const core::Figure& selectedFigure() const;
    QLineEdit* text(int n) const { return m_ui.Text[static_cast<std::size_t>(n - 1)]; }

    const core::Calculator& m_calculator;
    CalculatorControls m_ui;
    // Last result, in the input unit (or its square or cube); none when it left the double range.
    std::optional<double> m_result = 0.0;
    kit::Announcer* m_voice = nullptr;
    kit::WorkingPanel* m_working = nullptr; // under the formula bar, its bar across the foot
    int m_gotFocusPending = 0; // the box whose focus-gained step is queued, or 0
};

} // namespace ui

#endif
