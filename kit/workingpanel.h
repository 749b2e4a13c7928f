#ifndef KIT_WORKINGPANEL_H
#define KIT_WORKINGPANEL_H

// The working of a window's result, in a panel under the window's own controls.
// A bar labelled "Desarrollo" across the window's foot shows and hides it, as
// F3 and a menu item do; it also captions the panel while it shows. Hidden, the
// window is its own size plus that bar; shown, the window grows by the panel,
// which is as high as the working's lines, as far as the screen allows, and
// keeps the last line, the result, in view. The choice is the program's
// (BasVar), so windows opened later show it too. While shown it is written
// anew at every refresh, which the window calls wherever its result changes.
// Ctrl+Shift+C and the panel's copy button put it on the clipboard as plain
// text; Ctrl+C keeps its meaning. Screen readers hear it in words: F3 says it,
// and its text box reads as it is said.

#include <QObject>
#include <QSize>
#include <QStringList>

#include <functional>

#include "core/working.h"
#include "kit/workingtext.h"

class QAction;
class QFrame;
class QMenu;
class QPlainTextEdit;
class QTimer;
class QToolButton;
class QWidget;

namespace kit {

class Announcer;
class ToolContext;

class WorkingPanel : public QObject {
    Q_OBJECT
public:
    // Under a client area of clientWidth × clientHeight twips, which the
    // window keeps; the bar comes under it.
    WorkingPanel(QWidget* window, ToolContext& context, QSize clientTwips);

    // Where the working comes from, how its letters and units are named and
    // who says it; the program's choice applies from here on.
    void start(std::function<core::Working()> source, WorkingNames names, Announcer* voice);
    // Why the working holds no value, when it holds none: said on a line of
    // its own under the formula, or alone in place of an empty working.
    void setWhyNone(std::function<QString()> why);
    // The same as a tickable item of menu.
    QAction* addMenuItem(QMenu* menu);
    // The bar that shows and hides it, for the window's tab order.
    QToolButton* toggleBar() const { return m_toggle; }

    // The working as copied, and as it is heard.
    QString text() const;
    QString spoken() const;

public Q_SLOTS:
    // Writes the working anew if it shows, once the present event is handled.
    void refresh();
    // Shows or hides it, and says so.
    void toggle();
    // Puts it on the clipboard, shown or not, and says so.
    void copy();

Q_SIGNALS:
    void shownChanged(bool shown);

private:
    void setShown(bool shown);
    void write();
    void fit();
    void buildToggle();
    void buildPanel();
    void buildText();
    void buildCopyButton();
    QString writtenNow(const core::Working& working) const;
    QStringList heardNow(const core::Working& working) const;

    QWidget* m_window;
    ToolContext& m_context;
    Announcer* m_voice = nullptr;
    QSize m_client; // twips
    std::function<QString()> m_whyNone;
    bool m_shown = false;
    QToolButton* m_toggle = nullptr;
    QFrame* m_frame = nullptr;
    QPlainTextEdit* m_text = nullptr;
    std::function<core::Working()> m_source;
    WorkingNames m_names;
    core::Working m_working; // the one shown
    QString m_written; // and its text
    bool m_pending = false; // to be written anew
    bool m_laidOut = false; // the panel fits what it shows
    QTimer* m_writer; // writes it, once the present event is handled
};

} // namespace kit

#endif
