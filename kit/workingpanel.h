#ifndef KIT_WORKINGPANEL_H
#define KIT_WORKINGPANEL_H

// The working of a window's result, in a panel under the window's own controls.
// Hidden, it takes no room and the window looks as it always did; F3, a toggle
// control or a menu item show it, and the window grows by the panel's height
// until it is hidden again. The choice is the program's (BasVar), so windows
// opened later show it too. While shown it is written anew at every refresh,
// which the window calls wherever its result changes. Ctrl+Shift+C and the
// panel's copy button put it on the clipboard as plain text; Ctrl+C keeps its
// meaning. Screen readers hear it in words: F3 says it, and its text box reads
// as it is said.

#include <QObject>
#include <QSize>

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
    // Under a client area of clientWidth × clientHeight twips, height twips high,
    // its text in Calibri of that many points.
    WorkingPanel(QWidget* window, ToolContext& context, QSize clientTwips, int height, double points);

    // Where the working comes from, how its letters and units are named and
    // who says it; the program's choice applies from here on.
    void start(std::function<core::Working()> source, WorkingNames names, Announcer* voice);
    // What the panel says while there is no working to show.
    void setEmptyText(const QString& text);
    // A control that shows and hides the panel, at a place in twips of parent.
    QToolButton* addToggle(QWidget* parent, int left, int top);
    // The same as a tickable item of menu.
    QAction* addMenuItem(QMenu* menu);

    // The working as shown and as copied, and as it is heard.
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
    void buildPanel();
    void buildText();
    void buildCopyButton();

    QWidget* m_window;
    ToolContext& m_context;
    Announcer* m_voice = nullptr;
    QSize m_client; // twips
    int m_height; // twips
    double m_points; // of the working's text
    QString m_emptyText;
    bool m_shown = false;
    QFrame* m_frame = nullptr;
    QPlainTextEdit* m_text = nullptr;
    std::function<core::Working()> m_source;
    WorkingNames m_names;
    core::Working m_working; // the one shown
    QString m_written; // and its text
    bool m_pending = false; // to be written anew
    QTimer* m_writer; // writes it, once the present event is handled
};

} // namespace kit

#endif
