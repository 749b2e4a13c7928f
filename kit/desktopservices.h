#ifndef KIT_DESKTOPSERVICES_H
#define KIT_DESKTOPSERVICES_H

#include <QString>

#include <functional>

class QIcon;
class QObject;
class QPagedPaintDevice;
class QUrl;
class QWidget;

namespace kit {

// Everything the program asks of the desktop outside its own windows. The real
// one is QtDesktop; tests install a recording fake so that no dialog, browser
// or network is ever touched.
class DesktopServices {
public:
    enum class Icon { Exclamation, Question, Error, Information };

    virtual ~DesktopServices() = default;

    // Modal box titled with the program's name and a single OK button.
    virtual void message(QWidget* owner, const QString& text, Icon icon) = 0;
    // Modal Yes/No question titled with the program's name; true only for Yes.
    virtual bool askYesNo(QWidget* owner, const QString& text) = 0;
    // The standard about box: application text, a second text, and an icon.
    virtual void about(QWidget* owner, const QString& appText, const QString& otherText, const QIcon& icon) = 0;
    // Whether the internet can be reached, as far as the system knows; answers at once.
    virtual bool isNetworkAlive() = 0;
    // Hands a web address to the default browser without waiting for it; false
    // when the desktop reports that it could not be opened.
    virtual bool openAddress(QWidget* owner, const QUrl& address) = 0;

    // The clipboard, text only; a clipboard without text reads as "".
    virtual QString clipboardText() = 0;
    virtual void setClipboardText(const QString& text) = 0;
    virtual void clearClipboard() = 0;
    // Runs changed each time the clipboard's content changes, for as long as
    // receiver lives: at once when this program changed it, else when the
    // program is next the active one. Reading the clipboard waits on the program
    // that owns it, which may serve one reader at a time: a window reads it when
    // told of a change, never on a timer of its own.
    virtual void watchClipboard(QObject* receiver, std::function<void()> changed) = 0;

    // The file dialog that asks where to save, with a name box holding
    // suggestedName; filter as Qt's dialogs take it. "" when the user cancels.
    virtual QString saveFileName(QWidget* owner, const QString& title, const QString& suggestedName,
                                 const QString& filter) = 0;
    // The system's print dialog; once the user accepts, paint lays the pages
    // out on the printer. True only when the pages went to the printer.
    virtual bool print(QWidget* owner, const std::function<bool(QPagedPaintDevice&)>& paint) = 0;
};

} // namespace kit

#endif
