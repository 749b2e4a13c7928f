#ifndef UI_CONVERTERWINDOW_H
#define UI_CONVERTERWINDOW_H

// frmConvert, the unit converter. The option buttons Option1..3 set the category
// (TipoMedida) and fill List1 and List2 with its unit names. The unit selected in
// List1 is the source unit, remembered per category in UnidadLongitud,
// UnidadArea and UnidadVolumen. Every change of txtCaja or of the source unit
// runs Convertir, which asks the unit catalogue for the value in every unit and
// refills List3 row for row beside List2; List2 and List3 keep the same row
// selected. A double-click on a value shows the copy button frmeCopy beside it
// (sCopy); tmrClip_Timer reads the clipboard when the window opens and each time
// it changes, and shows the paste button lblPaste while it holds a positive
// number. A row whose value leaves the range of a double reads "Fuera de rango"
// and is never copied. Calculators open beside the converter also write
// TipoMedida; conversions follow the category the window shows, never a
// category its lists do not hold.

#include <array>
#include <cstdint>
#include <string>

#include "core/working.h"
#include "kit/toolwindow.h"

class QFrame;
class QKeyEvent;
class QLabel;
class QListWidgetItem;
class QRadioButton;
class QTimer;

namespace kit {
class ListBox;
class Announcer;
class ClickLabel;
class LineShape;
class NumberBox;
class WorkingPanel;
struct WorkingNames;
} // namespace kit

namespace ui {

class ConverterWindow : public kit::ToolWindow {
    Q_OBJECT
public:
    explicit ConverterWindow(kit::ToolContext& context);

    // State: the category's number, the source unit's row, the value typed and
    // the chosen row of values.
    void restore(const QStringList& state) override;

public Q_SLOTS:
    void tmrClip_Timer();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLists();
    void buildHeader();
    void buildCategoryButtons();
    void buildPasteButton();
    void buildCopyButton();
    void connectHandlers();
    void buildWorking(kit::ToolContext& context);
    kit::WorkingNames workingNames();
    // The working of the selected values row; none without one.
    core::Working rowWorking();
    // The sheet's entry of the chosen row.
    Note note();

    void Form_Load();
    void Option_Click(std::int16_t c);
    void List1_Click();
    void List2_Click();
    void List3_Click();
    void List3_DblClick();
    void List3_LostFocus();
    void txtCaja_Change();
    void txtCaja_GotFocus();
    void lblCopy_Click();
    void lblCopy_MouseDown();
    void lblCopy_MouseUp();
    void lblPaste_Click();
    void lblPaste_MouseDown();
    void lblPaste_MouseUp();
    void Convertir();
    void sCopy();
    // Puts the row on the clipboard and says so.
    void copyRow(int row);

    bool clipboardKey(QObject* watched, const QKeyEvent* key);
    void keepCopyInsideValues();
    static QListWidgetItem* valueRow(const QString& text, const std::string& unitWords);
    // Whether row of List3 holds a number, not the out-of-range text; false for -1.
    bool isValue(int row) const;

    // The category of the selected option button. A calculator may have set
    // TipoMedida since, but the lists still show this category.
    std::int16_t shownCategory() const;
    // The remembered source unit of the shown category.
    std::int16_t& rememberedUnit();

    QFrame* m_frmeCopy = nullptr;
    kit::ClickLabel* m_lblCopy = nullptr;
    kit::ListBox* m_List3 = nullptr;
    kit::ListBox* m_List2 = nullptr;
    kit::ListBox* m_List1 = nullptr;
    QFrame* m_Frame1 = nullptr;
    kit::NumberBox* m_txtCaja = nullptr;
    std::array<QRadioButton*, 3> m_Option{}; // Option1..3: length, area, volume
    kit::LineShape* m_Line1 = nullptr;
    kit::ClickLabel* m_lblPaste = nullptr;
    QLabel* m_lblN = nullptr;
    QLabel* m_Label1 = nullptr;
    kit::Announcer* m_voice = nullptr;
    QTimer* m_tmrClip = nullptr;
    kit::WorkingPanel* m_working = nullptr; // under the lists, its bar across the foot

    std::int16_t m_UnidadLongitud = 0;
    std::int16_t m_UnidadArea = 0;
    std::int16_t m_UnidadVolumen = 0;
};

} // namespace ui

#endif
