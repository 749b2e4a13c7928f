#ifndef APP_QTDESKTOP_H
#define APP_QTDESKTOP_H

#include "kit/desktopservices.h"

namespace app {

// The desktop as Qt offers it: message boxes, the about box, the default browser,
// the network's reachability and the system clipboard.
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
};

} // namespace app

#endif
