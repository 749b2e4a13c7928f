#ifndef APP_QTDESKTOP_H
#define APP_QTDESKTOP_H

#include "kit/desktopservices.h"

namespace app {

// The desktop as Qt offers it: message boxes, the about box, the default browser,
// the network's reachability, the system clipboard, the file dialog and the
// system's print dialog.
class QtDesktop : public kit::DesktopServices {
public:
    void message(QWidget* owner, const QString& text, Icon icon) override;
    bool askYesNo(QWidget* owner, const QString& text) override;
    void about(QWidget* owner, const QString& appText, const QString& otherText, const QIcon& icon) override;
    bool isNetworkAlive() override;
    bool openAddress(QWidget* owner, const QUrl& address) override;
    QString clipboardText() override;
    void setClipboardText(const QString& text) override;
    void clearClipboard() override;
    void watchClipboard(QObject* receiver, std::function<void()> changed) override;
    QString saveFileName(QWidget* owner, const QString& title, const QString& suggestedName,
                         const QString& filter) override;
    bool print(QWidget* owner, const std::function<bool(QPagedPaintDevice&)>& paint) override;
};

} // namespace app

#endif
