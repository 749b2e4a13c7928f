#ifndef KIT_SHEETWINDOW_H
#define KIT_SHEETWINDOW_H

// frmHoja, the results sheet's window: the entries in the order noted, each a
// short worked solution, chosen with the arrows. Delete removes the chosen one,
// Ctrl+C copies it, Ctrl+Shift+C copies them all, Enter opens its tool again
// with its values; Ctrl+S saves the sheet as a PDF and Ctrl+P prints it.
// Closing only hides it: the entries stay with the program.

#include <QStringList>
#include <QWidget>

#include <functional>

class QBoxLayout;
class QListWidget;

namespace kit {

class Announcer;
class DesktopServices;
class Sheet;
struct SheetEntry;

class SheetWindow : public QWidget {
    Q_OBJECT
public:
    // Opens the tool of formName, showing state as if typed; none when it can not.
    using ToolOpener = std::function<QWidget*(const QString& formName, const QStringList& state)>;

    SheetWindow(DesktopServices& desktop, Sheet& sheet, ToolOpener openTool);

    // Writes the sheet as a PDF to path, whole or not at all: a failure leaves
    // no file there and says why in error.
    bool writePdf(const QString& path, QString& error) const;

    void save();
    void print();
    void copyChosen();
    void copyAll();
    void removeChosen();
    void reopenChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildButtons(QBoxLayout* layout);
    void added(int row);
    void removed(int row);
    QString date() const;

    DesktopServices& m_desktop;
    ToolOpener m_openTool;
    Sheet& m_sheet;
    QListWidget* m_list = nullptr;
    Announcer* m_voice = nullptr;
};

} // namespace kit

#endif
