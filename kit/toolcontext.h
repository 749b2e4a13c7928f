#ifndef KIT_TOOLCONTEXT_H
#define KIT_TOOLCONTEXT_H

#include <QPointer>
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

#include "kit/basvar.h"
#include "kit/desktopservices.h"
#include "kit/sheetwindow.h"

namespace kit {

class Sheet;
struct SheetEntry;

// What a tool window gets from the program: the shared variables, the desktop,
// the main menu, which it minimizes and restores, and the results sheet.
class ToolContext {
public:
    ToolContext(BasVar& var, DesktopServices& desktop);
    ~ToolContext();

    ToolContext(const ToolContext&) = delete;
    ToolContext& operator=(const ToolContext&) = delete;

    BasVar& var() const { return m_var; }
    DesktopServices& desktop() const { return m_desktop; }

    void setMenu(QWidget* menu) { m_menu = menu; }
    QWidget* menu() const { return m_menu; }
    void minimizeMenu() const;
    void restoreMenu() const;

    // The results sheet, made when first used: a run that never notes anything
    // down holds none of it.
    Sheet& sheet();
    bool hasSheet() const { return m_sheet != nullptr; }
    // Adds entry to the sheet and shows the sheet's window without taking the
    // focus from the window the user types in.
    void noteDown(SheetEntry entry);
    // Shows the sheet's window, made when first shown; activate gives it the focus.
    SheetWindow* showSheet(bool activate);

    // Opens a tool window by its form name as the menu does, showing a sheet
    // entry's values as if typed; none without a menu.
    using ToolOpener = SheetWindow::ToolOpener;
    void setToolOpener(ToolOpener opener) { m_openTool = std::move(opener); }

private:
    BasVar& m_var;
    DesktopServices& m_desktop;
    QPointer<QWidget> m_menu;
    std::unique_ptr<Sheet> m_sheet;
    QPointer<SheetWindow> m_sheetWindow;
    ToolOpener m_openTool;
};

} // namespace kit

#endif
