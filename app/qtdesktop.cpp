#include "app/qtdesktop.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QDesktopServices>
#include <QFileDialog>
#include <QGuiApplication>
#include <QIcon>
#include <QLibrary>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QUrl>

#include <memory>
#include <utility>

#include <ifaddrs.h>
#include <net/if.h>

#include "app/version.h"

namespace app {
namespace {

const QString kTitle = QLatin1String(kName);

QMessageBox::Icon boxIcon(kit::DesktopServices::Icon icon)
{
    switch (icon) {
    case kit::DesktopServices::Icon::Exclamation:
        return QMessageBox::Warning;
    case kit::DesktopServices::Icon::Question:
        return QMessageBox::Question;
    case kit::DesktopServices::Icon::Error:
        return QMessageBox::Critical;
    case kit::DesktopServices::Icon::Information:
        break;
    }
    return QMessageBox::Information;
}

// What the network module says (1 reachable, 0 not, -1 unknown), loaded on the
// first call from beside the program or from where it is installed.
int reachability()
{
    using Check = int (*)();
    static const Check check = [] {
        const QString dir = QCoreApplication::applicationDirPath() + QLatin1Char('/');
        for (const QString& place : {dir + QStringLiteral(VANTRELO_MODULE_DIR "/"), dir}) {
            QLibrary module(place + QStringLiteral("vantrelo_network"));
            if (const auto found = reinterpret_cast<Check>(module.resolve("vantrelo_reachability")))
                return found;
        }
        return Check(nullptr);
    }();
    return check ? check() : -1;
}

// Whether some link other than loopback is up and running.
bool someLinkUp()
{
    ifaddrs* interfaces = nullptr;
    if (getifaddrs(&interfaces) != 0)
        return false;
    bool up = false;
    for (const ifaddrs* i = interfaces; i && !up; i = i->ifa_next)
        up = (i->ifa_flags & IFF_UP) && (i->ifa_flags & IFF_RUNNING) && !(i->ifa_flags & IFF_LOOPBACK);
    freeifaddrs(interfaces);
    return up;
}

} // namespace

void QtDesktop::message(QWidget* owner, const QString& text, Icon icon)
{
    QMessageBox box(boxIcon(icon), kTitle, text, QMessageBox::Ok, owner);
    box.exec();
}

bool QtDesktop::askYesNo(QWidget* owner, const QString& text)
{
    QMessageBox box(QMessageBox::Question, kTitle, text, QMessageBox::Yes | QMessageBox::No, owner);
    box.button(QMessageBox::Yes)->setText(QCoreApplication::translate("app::QtDesktop", "Sí"));
    return box.exec() == QMessageBox::Yes;
}

void QtDesktop::about(QWidget* owner, const QString& appText, const QString& otherText, const QIcon& icon)
{
    QMessageBox box(owner);
    box.setWindowTitle(QCoreApplication::translate("app::QtDesktop", "Acerca de %1").arg(appText));
    box.setIconPixmap(icon.pixmap(64, 64));
    box.setText(QStringLiteral("<b>%1</b>").arg(appText.toHtmlEscaped()));
    box.setInformativeText(otherText.toHtmlEscaped().replace(QStringLiteral("\r\n"), QStringLiteral("<br>")));
    box.exec();
}

bool QtDesktop::isNetworkAlive()
{
    // What the system's network service knows, without a probe of our own: the
    // answer must come at once. Only where no such service loads do the
    // interface flags stand in, though they say only that some link is up.
    const int known = reachability();
    return known >= 0 ? known == 1 : someLinkUp();
}

bool QtDesktop::openAddress(QWidget*, const QUrl& address)
{
    return QDesktopServices::openUrl(address);
}

QString QtDesktop::clipboardText()
{
    return QGuiApplication::clipboard()->text();
}

void QtDesktop::setClipboardText(const QString& text)
{
    QGuiApplication::clipboard()->setText(text);
}

void QtDesktop::clearClipboard()
{
    QGuiApplication::clipboard()->clear();
}

// An X clipboard owner may serve one large transfer at a time and drop any other
// request meanwhile, leaving that reader waiting for good (or Qt for its five
// seconds). Other programs read a new clipboard as it changes; so a clipboard
// another program put there is only read once the user comes back to this one.
void QtDesktop::watchClipboard(QObject* receiver, std::function<void()> changed)
{
    auto foreignChange = std::make_shared<bool>(false);
    QClipboard* clipboard = QGuiApplication::clipboard();
    QObject::connect(clipboard, &QClipboard::dataChanged, receiver, [clipboard, foreignChange, changed] {
        *foreignChange = !clipboard->ownsClipboard();
        if (!*foreignChange)
            changed();
    });
    QObject::connect(qApp, &QGuiApplication::applicationStateChanged, receiver,
                     [foreignChange, changed](Qt::ApplicationState state) {
                         if (state == Qt::ApplicationActive && std::exchange(*foreignChange, false))
                             changed();
                     });
}

QString QtDesktop::saveFileName(QWidget* owner, const QString& title, const QString& suggestedName,
                                const QString& filter)
{
    return QFileDialog::getSaveFileName(owner, title, suggestedName, filter);
}

bool QtDesktop::print(QWidget* owner, const std::function<bool(QPagedPaintDevice&)>& paint)
{
    QPrinter printer;
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted && paint(printer);
}

} // namespace app
